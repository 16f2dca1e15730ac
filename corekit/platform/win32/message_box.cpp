#include "corekit/platform/message_box.h"

namespace corekit::platform {

void SystemMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  MessageBoxA(owner, text, caption, style);
}

}  // namespace corekit::platform
