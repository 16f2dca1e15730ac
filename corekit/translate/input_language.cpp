#include "corekit/translate/input_language.h"

#include <cstdio>

#include "corekit/platform/thread_locale.h"

bool SetInputLanguage(WORD language) {
  namespace platform = corekit::platform;
  char layoutName[9];
  std::snprintf(layoutName, sizeof layoutName, "%08x", static_cast<unsigned int>(language));
  const HKL layout = platform::LoadLayoutByName(layoutName);
  return layout != nullptr && platform::ActivateLayout(layout) &&
         platform::SetThreadLanguage(language);
}
