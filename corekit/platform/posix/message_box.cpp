#include "corekit/platform/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "corekit/platform/posix/desktop_process.h"
#include "corekit/platform/posix/icu_text.h"

namespace corekit::platform {
namespace {

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// The dialog tools' words for the box's icon.
const char* ZenityKind(UINT icon) {
  switch (icon) {
    case MessageBoxIconError:
      return "--error";
    case MessageBoxIconWarning:
      return "--warning";
    default:
      return "--info";
  }
}

const char* KdialogKind(UINT icon) {
  switch (icon) {
    case MessageBoxIconError:
      return "--error";
    case MessageBoxIconWarning:
      return "--sorry";
    default:
      return "--msgbox";
  }
}

// A dialog tool's command line; with input, the text that it reads from its standard input.
struct DialogCommand {
  std::vector<std::string> arguments;
  std::string input;
};

std::vector<DialogCommand> DialogCommands(const std::string& text, const std::string& caption,
                                          UINT style) {
  const UINT icon = style & MessageBoxIconMask;
  return {
      {{"zenity", ZenityKind(icon), "--no-markup", "--title=" + caption, "--text=" + text}, {}},
      {{"kdialog", "--title", caption, KdialogKind(icon), text}, {}},
      // xmessage reads the text from its input, so that no text is taken for one of its options.
      {{"xmessage", "-title", caption, "-buttons", "OK", "-default", "OK", "-center", "-file", "-"},
       text},
  };
}

}  // namespace

void SystemMessageBox(HWND, const char* text, const char* caption, UINT style) {
  if (text == nullptr) text = "";
  if (caption == nullptr) caption = "";
  if (DisplayAvailable()) {
    // The desktop's tools read UTF-8.
    std::string utf8Text, utf8Caption;
    posix::FromProcessEncoding(text).toUTF8String(utf8Text);
    posix::FromProcessEncoding(caption).toUTF8String(utf8Caption);
    for (const DialogCommand& command : DialogCommands(utf8Text, utf8Caption, style)) {
      // A tool that could not run or was killed gives way to the next way of showing the text.
      if (posix::RunUntilClosed(command.arguments, command.input)) return;
    }
  }
  std::fprintf(stderr, "%s: %s\n", caption, text);
  std::fflush(stderr);
}

}  // namespace corekit::platform
