#include "corekit/translate/input_language.h"

#include "corekit/core/hex_text.h"
#include "corekit/platform/thread_locale.h"

bool SetInputLanguage(WORD language) {
  namespace platform = corekit::platform;
  const HKL layout = platform::LoadLayoutByName(HexText(language, 8).c_str());
  return layout != nullptr && platform::ActivateLayout(layout) &&
         platform::SetThreadLanguage(language);
}
