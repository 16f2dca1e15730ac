#include "corekit/platform/resources.h"

#include <utility>

namespace corekit::platform {
namespace {

BOOL CALLBACK NoteLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
  auto& wanted = *reinterpret_cast<std::pair<WORD, bool>*>(context);
  if (language != wanted.first) return TRUE;
  wanted.second = true;
  return FALSE;  // found: stop the enumeration
}

// True when the module has the resource in exactly this language.
bool HasLanguage(HMODULE module, const char* type, const char* name, WORD language) {
  std::pair<WORD, bool> wanted{language, false};
  EnumResourceLanguagesA(module, type, name, &NoteLanguage, reinterpret_cast<LONG_PTR>(&wanted));
  return wanted.second;
}

}  // namespace

// FindResourceExA falls back to the language's neutral sublanguage and then to the neutral
// language when the exact one is missing; callers build their own fallbacks on an exact lookup, so
// the language's presence is checked first.
HRSRC FindModuleResource(HMODULE module, const char* type, const char* name, WORD language) {
  if (!HasLanguage(module, type, name, language)) return nullptr;
  return FindResourceExA(module, type, name, language);
}

const void* LockModuleResource(HMODULE module, HRSRC resource) {
  const HGLOBAL loaded = LoadResource(module, resource);
  return loaded != nullptr ? LockResource(loaded) : nullptr;
}

DWORD ModuleResourceSize(HMODULE module, HRSRC resource) {
  return SizeofResource(module, resource);
}

}  // namespace corekit::platform
