#include "corekit/platform/resource_functions.h"

#include "corekit/platform/resource_names.h"
#include "corekit/platform/resources.h"

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  // The data lies in the module itself: its address serves as the handle.
  return const_cast<void*>(corekit::platform::LockModuleResource(module, resource));
}

LPVOID LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  return corekit::platform::ModuleResourceSize(module, resource);
}

BOOL EnumResourceNamesA(HMODULE module, const char* type, ENUMRESNAMEPROCA callback,
                        LONG_PTR param) {
  if (!IS_INTRESOURCE(type) || callback == nullptr) return FALSE;
  const auto names =
      ModuleResourceNames(module, static_cast<WORD>(reinterpret_cast<std::uintptr_t>(type)));
  for (const TResourceName& name : names) {
    if (!callback(module, type, const_cast<char*>(name.Get()), param)) break;
  }
  return names.empty() ? FALSE : TRUE;
}
