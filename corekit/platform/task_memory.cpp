#include "corekit/platform/task_memory.h"

namespace corekit::platform {
namespace {

constinit FreeTaskMemoryHook g_hook = nullptr;

}  // namespace

void FreeTaskMemory(void* block) noexcept {
  if (g_hook != nullptr) {
    g_hook(block);
    return;
  }
  SystemFreeTaskMemory(block);
}

FreeTaskMemoryHook SetFreeTaskMemoryHook(FreeTaskMemoryHook hook) noexcept {
  const FreeTaskMemoryHook previous = g_hook;
  g_hook = hook;
  return previous;
}

}  // namespace corekit::platform
