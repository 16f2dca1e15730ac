#include "corekit/errors/lib_string.h"

#include "corekit/platform/module_handle.h"
#include "corekit/platform/thread_locale.h"
#include "corekit/translate/resource_strings.h"

namespace corekit::internal {

KString LoadLibString(unsigned id) {
  // No dictionary name: the dictionary is the one named after the library's module file.
  return LoadTranslatedString(platform::SelfModule(), id, platform::ThreadLanguage(), nullptr);
}

}  // namespace corekit::internal
