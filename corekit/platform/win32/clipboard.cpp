#include "corekit/platform/clipboard.h"

namespace corekit::platform {

bool PutClipboardText(HWND owner, HGLOBAL block) {
  OpenClipboard(owner);
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(block);
  return placed;
}

bool ReadClipboardText(std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  bool read = false;
  if (const HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      read = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return read;
}

}  // namespace corekit::platform
