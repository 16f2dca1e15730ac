#include "corekit/platform/posix/desktop_process.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>

extern char** environ;

namespace corekit::platform::posix {
namespace {

using Clock = std::chrono::steady_clock;
// No deadline: as long as the child runs.
using Deadline = std::optional<Clock::time_point>;

// poll()'s timeout until the deadline; -1 without one.
int MillisecondsLeft(const Deadline& deadline) {
  if (!deadline) return -1;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// How a child that was waited for ended.
struct ChildEnd {
  enum Kind { Status, Late, Unknown } kind;
  int status;
};

// Waits for the child until the deadline; kills it when killLate.
ChildEnd Reap(pid_t child, const Deadline& deadline, bool killLate) {
  while (true) {
    int status = 0;
    const pid_t ended = waitpid(child, &status, deadline ? WNOHANG : 0);
    if (ended == child) return {ChildEnd::Status, status};
    // A process that ignores SIGCHLD has its children reaped for it: the outcome is unknown.
    if (ended < 0 && errno != EINTR) return {ChildEnd::Unknown, 0};
    if (!deadline) continue;
    if (MillisecondsLeft(deadline) == 0) {
      if (killLate) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
      }
      return {ChildEnd::Late, 0};
    }
    const timespec pause{0, 5 * 1000 * 1000};
    nanosleep(&pause, nullptr);
  }
}

// True for a child that exited with 0, or whose end the caller cannot know.
bool Succeeded(const ChildEnd& end) {
  return end.kind == ChildEnd::Unknown ||
         (end.kind == ChildEnd::Status && WIFEXITED(end.status) && WEXITSTATUS(end.status) == 0);
}

// A child with one end of a socket pair on stdin or stdout (none for a channel of -1). A detached
// child has its other streams on /dev/null and a session of its own; any other keeps the caller's.
pid_t Spawn(const std::vector<std::string>& command, int channel, int channelTarget,
            bool detached) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (channel >= 0 && stream == channelTarget) {
      posix_spawn_file_actions_adddup2(&actions, channel, stream);
    } else if (detached) {
      posix_spawn_file_actions_addopen(&actions, stream, "/dev/null",
                                       stream == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    }
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (detached) posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t child = 0;
  // A name without a slash is looked up on PATH; the clipboard's tools come as full paths.
  const int started = posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return started == 0 ? child : -1;
}

// Sends the input through the channel until the deadline; false when not all of it went.
bool SendAll(int channel, const std::string& input, const Deadline& deadline) {
  for (std::size_t done = 0; done < input.size();) {
    pollfd writable{channel, POLLOUT, 0};
    const int ready = poll(&writable, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n =
        send(channel, input.data() + done, input.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Starts the command with the input on its standard input (a socket rather than a pipe: a tool
// that ends early makes the send fail instead of raising SIGPIPE in the caller's process) and
// hands the input over. The child, or -1; sent tells whether all the input went.
pid_t StartWithInput(const std::vector<std::string>& command, const std::string& input,
                     bool detached, const Deadline& deadline, bool& sent) {
  int channel[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) return -1;
  const pid_t child = Spawn(command, channel[1], STDIN_FILENO, detached);
  close(channel[1]);
  sent = child > 0 && SendAll(channel[0], input, deadline);
  close(channel[0]);
  return child;
}

}  // namespace

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = folders.find(':', start);
    const std::string folder =
        folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {};
}

bool RunWithInput(const std::vector<std::string>& command, const std::string& input,
                  int timeoutMs) {
  const Deadline deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  bool sent = false;
  const pid_t child = StartWithInput(command, input, true, deadline, sent);
  if (child <= 0) return false;
  // A tool that serves its input in the background has forked and ended by now; one that has not
  // is left running rather than waited on.
  return Succeeded(Reap(child, deadline, false)) && sent;
}

bool RunAndCapture(const std::vector<std::string>& command, int timeoutMs, std::string& output) {
  const Deadline deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int channel[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) return false;
  const pid_t child = Spawn(command, channel[1], STDOUT_FILENO, true);
  close(channel[1]);
  if (child <= 0) {
    close(channel[0]);
    return false;
  }
  output.clear();
  char buffer[4096];
  while (true) {
    pollfd readable{channel[0], POLLIN, 0};
    const int ready = poll(&readable, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    const ssize_t n = read(channel[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    output.append(buffer, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  return Succeeded(Reap(child, deadline, true));
}

bool RunUntilClosed(const std::vector<std::string>& command, const std::string& input) {
  const Deadline noDeadline;
  bool sent = false;
  const pid_t child = input.empty() ? Spawn(command, -1, -1, false)
                                    : StartWithInput(command, input, false, noDeadline, sent);
  if (child <= 0) return false;
  const ChildEnd end = Reap(child, noDeadline, false);
  if (end.kind != ChildEnd::Status) return true;
  if (WIFEXITED(end.status) && WEXITSTATUS(end.status) == 127) return false;
  return !WIFSIGNALED(end.status);
}

}  // namespace corekit::platform::posix
