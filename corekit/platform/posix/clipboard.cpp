#include "corekit/platform/clipboard.h"

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "corekit/platform/global_memory.h"
#include "corekit/platform/posix/desktop_process.h"

namespace corekit::platform {
namespace {

constexpr int ToolTimeoutMs = 5000;

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// The clipboard tool of the running desktop and its arguments for writing or reading plain text;
// empty when the desktop has none.
std::vector<std::string> ClipboardTool(bool write) {
  if (Set("WAYLAND_DISPLAY")) {
    const std::string tool = posix::FindProgram(write ? "wl-copy" : "wl-paste");
    if (!tool.empty())
      return write ? std::vector<std::string>{tool, "--type", "text/plain"}
                   : std::vector<std::string>{tool, "--no-newline", "--type", "text/plain"};
  }
  if (Set("DISPLAY")) {
    const std::string xclip = posix::FindProgram("xclip");
    if (!xclip.empty()) return {xclip, "-selection", "clipboard", write ? "-in" : "-out"};
    const std::string xsel = posix::FindProgram("xsel");
    if (!xsel.empty()) return {xsel, "--clipboard", write ? "--input" : "--output"};
  }
  return {};
}

// The tools serve the text from a background process of theirs, which may take the clipboard only
// after the tool has returned: until then a reader still gets the old text. Waits, within the
// tool's time, until a reader gets the new one; false when none does.
bool ReadsBack(const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ToolTimeoutMs);
  std::string read;
  while (!ReadClipboardText(read) || read != text) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace

bool PutClipboardText(HWND, HGLOBAL block) {
  // The text ends at its first zero byte, as for every reader of plain text.
  std::string text;
  if (const auto* chars = static_cast<const char*>(GlobalLock(block))) {
    text = chars;
    GlobalUnlock(block);
  }
  GlobalFree(block);  // the tool holds the text from here on
  const std::vector<std::string> tool = ClipboardTool(true);
  return !tool.empty() && posix::RunWithInput(tool, text, ToolTimeoutMs) && ReadsBack(text);
}

bool ReadClipboardText(std::string& text) {
  const std::vector<std::string> tool = ClipboardTool(false);
  return !tool.empty() && posix::RunAndCapture(tool, ToolTimeoutMs, text);
}

}  // namespace corekit::platform
