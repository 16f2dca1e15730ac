#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// Puts a global memory block of plain text (ending with a zero byte) on the clipboard for the
// owner window; the clipboard owns the block afterwards. False when the clipboard cannot be opened
// or refuses the block, which is then freed. On POSIX the text goes to the running desktop's
// clipboard tool (wl-copy, xclip or xsel).
bool PutClipboardText(HWND owner, HGLOBAL block);

// The plain text on the clipboard; false when there is none or the clipboard cannot be read.
bool ReadClipboardText(std::string& text);

}  // namespace corekit::platform
