#include "corekit/platform/message_box.h"

namespace corekit::platform {
namespace {

constinit MessageBoxHook g_hook = nullptr;

}  // namespace

void ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  if (g_hook != nullptr) {
    g_hook(owner, text, caption, style);
    return;
  }
  SystemMessageBox(owner, text, caption, style);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) noexcept {
  const MessageBoxHook previous = g_hook;
  g_hook = hook;
  return previous;
}

}  // namespace corekit::platform
