#include "corekit/platform/thread_locale.h"

namespace corekit::platform {

WORD ThreadLanguage() { return LANGIDFROMLCID(GetThreadLocale()); }

bool SetThreadLanguage(WORD language) {
  return SetThreadLocale(MAKELCID(language, SORT_DEFAULT)) != FALSE;
}

HKL LoadLayoutByName(const char* layoutName) {
  return layoutName != nullptr ? LoadKeyboardLayoutA(layoutName, 0) : nullptr;
}

bool ActivateLayout(HKL layout) { return ActivateKeyboardLayout(layout, 0) != nullptr; }

}  // namespace corekit::platform
