#include "corekit/translate/thread_language.h"

#include "corekit/platform/thread_locale.h"

bool SetThreadLanguage(WORD language) { return corekit::platform::SetThreadLanguage(language); }

WORD GetThreadLanguage() { return corekit::platform::ThreadLanguage(); }
