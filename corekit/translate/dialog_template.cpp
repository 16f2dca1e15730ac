#include "corekit/translate/dialog_template.h"

#include "corekit/platform/resources.h"
#include "corekit/translate/resource_strings.h"

const void* LockDialogTemplate(HMODULE module, const char* name, WORD language) {
  const HRSRC resource = FindResourceFallback(module, MAKEINTRESOURCEA(5), name, language, true);
  if (resource == nullptr) return nullptr;
  return corekit::platform::LockModuleResource(module, resource);
}
