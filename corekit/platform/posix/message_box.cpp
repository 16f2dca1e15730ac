#include "corekit/platform/message_box.h"

#include <errno.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "corekit/platform/posix/icu_text.h"

extern char** environ;

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

// Starts the command and waits until it has ended. False when it could not be started, could not
// run or was killed, so that the next way of showing the text is tried.
bool RunDialog(const DialogCommand& command) {
  std::vector<char*> argv;
  for (const std::string& argument : command.arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  // The input goes through a socket rather than a pipe: a tool that ends early then makes the
  // write fail instead of raising SIGPIPE in the caller's process.
  int channel[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!command.input.empty()) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) {
      posix_spawn_file_actions_destroy(&actions);
      return false;
    }
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDIN_FILENO);
  }
  pid_t child = 0;
  const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (channel[1] >= 0) {
    close(channel[1]);
    if (started == 0) {
      std::size_t sent = 0;
      while (sent < command.input.size()) {
        const ssize_t done = send(channel[0], command.input.data() + sent,
                                  command.input.size() - sent, MSG_NOSIGNAL);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) break;
        sent += static_cast<std::size_t>(done);
      }
    }
    close(channel[0]);
  }
  if (started != 0) return false;

  int status = 0;
  pid_t ended = 0;
  do {
    ended = waitpid(child, &status, 0);
  } while (ended < 0 && errno == EINTR);
  // A process that ignores SIGCHLD cannot wait for its child; the box was shown all the same.
  if (ended < 0) return true;
  // Status 127 is a tool that could not be run: a spawn may report its failure only that way.
  if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return false;
  return !WIFSIGNALED(status);
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
      if (RunDialog(command)) return;
    }
  }
  std::fprintf(stderr, "%s: %s\n", caption, text);
  std::fflush(stderr);
}

}  // namespace corekit::platform
