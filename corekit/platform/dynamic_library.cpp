#include "corekit/platform/dynamic_library.h"

namespace corekit::platform {
namespace {

constinit const DynamicLibraryCalls kSystemCalls{
    &SystemLoadDynamicLibrary, &SystemFindLibrarySymbol, &SystemFreeDynamicLibrary};
constinit const DynamicLibraryCalls* g_calls = &kSystemCalls;

}  // namespace

HMODULE LoadDynamicLibrary(const char* path, DWORD* error) noexcept {
  return g_calls->load(path, error);
}

void* FindLibrarySymbol(HMODULE module, const char* name) noexcept {
  return g_calls->find(module, name);
}

bool FreeDynamicLibrary(HMODULE module) noexcept { return g_calls->release(module); }

const DynamicLibraryCalls* SetDynamicLibraryCalls(const DynamicLibraryCalls* calls) noexcept {
  const DynamicLibraryCalls* const previous = g_calls;
  g_calls = calls != nullptr ? calls : &kSystemCalls;
  return previous;
}

}  // namespace corekit::platform
