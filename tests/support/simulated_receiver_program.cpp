// simulated_receiver: a simulated receiver on a new pseudo-terminal pair, for programs that
// cannot make one (Windows tests under Wine) and for trying tools by hand.
//
//   simulated_receiver [--link PATH] [--port NAME] [--speak BAUD FILE] [-- COMMAND...]
//
// --link points PATH (a Wine prefix's dosdevices/com12, or any name) at the port, again after each
// replug. --speak makes it speak the file's bytes at that speed. With a COMMAND it runs it with
// COREKIT_RECEIVER_DIR (a new control folder) and COREKIT_RECEIVER_PORT (NAME, else the port's
// own) set, serves its requests until it ends and exits with its status. Without one it prints
// "port: /dev/pts/N" and runs until interrupted.

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

#include "tests/support/simulated_receiver.h"
#include "tests/support/simulated_receiver_protocol.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), {});
}

void Link(const std::string& link, corekit_test::SimulatedReceiver& receiver) {
  std::error_code ignored;
  if (link.empty()) return;
  fs::remove(link, ignored);
  fs::create_symlink(receiver.PortName(), link);
}

// The answer to a request, or nothing while the request is not whole yet.
std::optional<std::string> Serve(corekit_test::SimulatedReceiver& receiver,
                                 const std::string& request, const std::string& link) {
  const std::size_t end = request.find('\n');
  std::istringstream words(request.substr(0, end));
  std::string verb;
  std::size_t number = 0, size = 0;
  words >> verb >> number >> size;
  if (end == std::string::npos || request.size() != end + 1 + size) return std::nullopt;
  const std::string bytes = request.substr(end + 1);
  if (verb == "replug" && receiver.Replug()) Link(link, receiver);
  if (verb == "replug") return receiver.PortName().empty() ? "0" : "1";
  if (verb == "speak") receiver.Speak(static_cast<std::uint32_t>(number), bytes);
  if (verb == "send") receiver.Send(bytes);
  if (verb == "silence") receiver.Silence();
  if (verb == "echo") receiver.Echo(number != 0);
  if (verb == "stall") receiver.Stall(number != 0);
  if (verb == "unplug") receiver.Unplug();
  if (verb == "unplugafter") receiver.UnplugAfterReading(number);
  if (verb == "received") return receiver.Received(number);
  if (verb == "line") return corekit_test::FormatLine(receiver.Line());
  return "ok";
}

// Answers the whole requests waiting in the folder, oldest first; each answer is written under
// another name and renamed, so that the client never reads half of one.
void ServeFolder(corekit_test::SimulatedReceiver& receiver, const fs::path& folder,
                 const std::string& link) {
  std::map<long, fs::path> requests;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("request-", 0) == 0) requests[std::stol(name.substr(8))] = entry.path();
  }
  for (const auto& [number, path] : requests) {
    const std::optional<std::string> answer = Serve(receiver, ReadFile(path), link);
    if (!answer) break;
    fs::remove(path, error);
    const fs::path temporary = folder / ("answering-" + std::to_string(number));
    std::ofstream(temporary, std::ios::binary) << *answer;
    fs::rename(temporary, folder / ("answer-" + std::to_string(number)), error);
  }
}

volatile sig_atomic_t g_stop = 0;

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  int command = argc;
  for (int i = 1; i < argc && command == argc; ++i) {
    const std::string option = argv[i];
    if (option == "--") {
      command = i + 1;
    } else if ((option == "--link" || option == "--port") && i + 1 < argc) {
      options[option] = argv[++i];
    } else if (option == "--speak" && i + 2 < argc) {
      options["baud"] = argv[++i];
      options["file"] = argv[++i];
    } else {
      std::cerr << "usage: simulated_receiver [--link PATH] [--port NAME] [--speak BAUD FILE]"
                   " [-- COMMAND...]\n";
      return 2;
    }
  }
  auto receiver = corekit_test::MakeLocalReceiver();
  if (!receiver) return std::cerr << "simulated_receiver: no pseudo-terminal pair\n", 1;
  const std::string link = options["--link"], port = options["--port"];
  Link(link, *receiver);
  if (!options["baud"].empty())
    receiver->Speak(std::stoul(options["baud"]), ReadFile(options["file"]));

  char folder[] = "/tmp/simulated-receiver-XXXXXX";
  pid_t child = -1;
  if (command < argc) {
    if (!mkdtemp(folder)) return 1;
    setenv("COREKIT_RECEIVER_DIR", folder, 1);
    setenv("COREKIT_RECEIVER_PORT", (port.empty() ? receiver->PortName() : port).c_str(), 1);
    if ((child = fork()) == 0) {
      execvp(argv[command], argv + command);
      std::perror(argv[command]);
      _exit(127);
    }
  } else {
    std::cout << "port: " << receiver->PortName() << std::endl;
    signal(SIGINT, [](int) { g_stop = 1; });
    signal(SIGTERM, [](int) { g_stop = 1; });
  }
  int status = 0;
  while (!g_stop) {
    if (child > 0) ServeFolder(*receiver, folder, link);
    if (child > 0 && waitpid(child, &status, WNOHANG) == child) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(child > 0 ? 1 : 50));
  }
  std::error_code ignored;
  if (child > 0) fs::remove_all(folder, ignored);
  if (!link.empty()) fs::remove(link, ignored);
  if (child > 0) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return 0;
}
