#include "corekit/translate/find_resource.h"

#include "corekit/platform/resources.h"

namespace {

constexpr WORD PrimaryLanguageMask = 0x3FF;
constexpr WORD DefaultSublanguage = 0x400;
constexpr WORD NeutralLanguage = 0;

}  // namespace

HRSRC FindResourceFallback(HMODULE module, const char* type, const char* name, WORD language,
                           bool allowNeutral) {
  using corekit::platform::FindModuleResource;
  if (HRSRC found = FindModuleResource(module, type, name, language)) return found;
  if ((language >> 10) != 1) {
    const auto defaultSublanguage =
        static_cast<WORD>((language & PrimaryLanguageMask) | DefaultSublanguage);
    if (HRSRC found = FindModuleResource(module, type, name, defaultSublanguage)) return found;
  }
  return allowNeutral ? FindModuleResource(module, type, name, NeutralLanguage) : nullptr;
}
