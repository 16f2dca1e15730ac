#include "corekit/platform/resource_names.h"

#include <algorithm>
#include <utility>

namespace corekit::platform {
namespace {

BOOL CALLBACK NoteName(HMODULE, LPCSTR, LPSTR name, LONG_PTR context) {
  auto& names = *reinterpret_cast<std::vector<ResourceName>*>(context);
  ResourceName found;
  if (IS_INTRESOURCE(name)) {
    found.isNumber = true;
    found.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  } else {
    found.text = name;
  }
  names.push_back(std::move(found));
  return TRUE;
}

}  // namespace

// The system lists each name once, texts before numbers; the order is made explicit all the same.
std::vector<ResourceName> ModuleResourceNames(HMODULE module, WORD type) {
  std::vector<ResourceName> names;
  EnumResourceNamesA(module, MAKEINTRESOURCEA(type), &NoteName, reinterpret_cast<LONG_PTR>(&names));
  std::stable_sort(names.begin(), names.end(), [](const ResourceName& a, const ResourceName& b) {
    if (a.isNumber != b.isNumber) return !a.isNumber;
    return a.isNumber && a.number < b.number;
  });
  return names;
}

}  // namespace corekit::platform
