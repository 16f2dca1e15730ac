#include "corekit/platform/resource_names.h"

#include <algorithm>
#include <utility>

namespace {

BOOL CALLBACK NoteName(HMODULE, LPCSTR, LPSTR name, LONG_PTR context) {
  auto& names = *reinterpret_cast<std::vector<TResourceName>*>(context);
  TResourceName found;
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
std::vector<TResourceName> ModuleResourceNames(HMODULE module, WORD type) {
  std::vector<TResourceName> names;
  EnumResourceNamesA(module, MAKEINTRESOURCEA(type), &NoteName, reinterpret_cast<LONG_PTR>(&names));
  std::stable_sort(names.begin(), names.end(), [](const TResourceName& a, const TResourceName& b) {
    if (a.isNumber != b.isNumber) return !a.isNumber;
    return a.isNumber && a.number < b.number;
  });
  return names;
}
