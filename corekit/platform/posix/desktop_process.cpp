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

extern char** environ;

namespace corekit::platform::posix {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for the child until the deadline; kills it when killLate. True when it exited with 0.
bool Reap(pid_t child, Clock::time_point deadline, bool killLate) {
  while (true) {
    int status = 0;
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    // A process that ignores SIGCHLD has its children reaped for it: the outcome is unknown.
    if (ended < 0 && errno == ECHILD) return true;
    if (MillisecondsLeft(deadline) == 0) {
      if (killLate) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
      }
      return false;
    }
    const timespec pause{0, 5 * 1000 * 1000};
    nanosleep(&pause, nullptr);
  }
}

// A child with one end of a socket pair on stdin or stdout, the other streams on /dev/null, in a
// session of its own.
pid_t Spawn(const std::vector<std::string>& command, int channel, int channelTarget) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (stream == channelTarget) {
      posix_spawn_file_actions_adddup2(&actions, channel, stream);
    } else {
      posix_spawn_file_actions_addopen(&actions, stream, "/dev/null",
                                       stream == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    }
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t child = 0;
  const int started = posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return started == 0 ? child : -1;
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
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  // A socket rather than a pipe: a tool that ends early makes the send fail instead of raising
  // SIGPIPE in the caller's process.
  int channel[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) return false;
  const pid_t child = Spawn(command, channel[1], STDIN_FILENO);
  close(channel[1]);
  bool sent = child > 0;
  for (std::size_t done = 0; sent && done < input.size();) {
    pollfd writable{channel[0], POLLOUT, 0};
    if (poll(&writable, 1, MillisecondsLeft(deadline)) <= 0) {
      sent = false;
      break;
    }
    const ssize_t n =
        send(channel[0], input.data() + done, input.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) sent = false;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  close(channel[0]);
  if (child <= 0) return false;
  // A tool that serves its input in the background has forked and ended by now; one that has not
  // is left running rather than waited on.
  return Reap(child, deadline, false) && sent;
}

bool RunAndCapture(const std::vector<std::string>& command, int timeoutMs, std::string& output) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int channel[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) return false;
  const pid_t child = Spawn(command, channel[1], STDOUT_FILENO);
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
  return Reap(child, deadline, true);
}

}  // namespace corekit::platform::posix
