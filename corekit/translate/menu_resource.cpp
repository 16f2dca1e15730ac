#include "corekit/translate/menu_resource.h"

#include "corekit/platform/menus.h"
#include "corekit/platform/resources.h"

HMENU LoadMenuResource(HMODULE module, HRSRC resource) {
  namespace platform = corekit::platform;
  if (resource == nullptr) return nullptr;
  const void* data = platform::LockModuleResource(module, resource);
  if (data == nullptr) return nullptr;
  return platform::LoadMenuTemplate(data, platform::ModuleResourceSize(module, resource));
}
