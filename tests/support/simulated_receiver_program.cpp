// simulated_receiver: a simulated receiver on a new pseudo-terminal pair, for programs that
// cannot make one (Windows tests under Wine) and for trying tools by hand.
//
//   simulated_receiver [--link PATH] [--port NAME] [--control DIR] [--speak BAUD FILE]
//                      [-- COMMAND...]
//
// --link points PATH (a Wine prefix's dosdevices/com12, or any name) at the port, again after each
// replug. --speak makes it speak the file's bytes at that speed. With a COMMAND it runs it with
// COREKIT_RECEIVER_DIR (the control folder, a new one unless given) and COREKIT_RECEIVER_PORT
// (NAME, else the port's own) set, serves its requests until it ends and exits with its status.
// Without one it prints "port: /dev/pts/N" and serves until interrupted.

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/support/simulated_receiver.h"
#include "tests/support/simulated_receiver_protocol.h"

namespace fs = std::filesystem;
using corekit_test::SimulatedReceiver;

namespace {

volatile sig_atomic_t g_stop = 0;

void Link(const std::string& link, SimulatedReceiver& receiver) {
  if (link.empty()) return;
  std::error_code ignored;
  fs::remove(link, ignored);
  fs::create_symlink(receiver.PortName(), link);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), {});
}

std::string Serve(SimulatedReceiver& receiver, const std::string& request,
                  const std::string& link) {
  std::istringstream words(request);
  std::string verb, argument, bytes;
  words >> verb >> argument >> bytes;
  if (verb == "replug") {
    const bool made = receiver.Replug();
    if (made) Link(link, receiver);
    return made ? "1" : "0";
  }
  if (verb == "speak") receiver.Speak(std::stoul(argument), corekit_test::FromHex(bytes));
  if (verb == "send") receiver.Send(corekit_test::FromHex(argument));
  if (verb == "silence") receiver.Silence();
  if (verb == "echo") receiver.Echo(argument == "1");
  if (verb == "stall") receiver.Stall(argument == "1");
  if (verb == "unplug") receiver.Unplug();
  if (verb == "unplugafter") receiver.UnplugAfterReading(std::stoul(argument));
  if (verb == "received") return corekit_test::ToHex(receiver.Received(std::stoul(argument)));
  if (verb == "line") return corekit_test::FormatLine(receiver.Line());
  return "ok";
}

// Answers every request waiting in the folder, oldest first.
void ServeFolder(SimulatedReceiver& receiver, const fs::path& folder, const std::string& link) {
  std::vector<std::pair<long, fs::path>> requests;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("request-", 0) == 0) requests.emplace_back(std::stol(name.substr(8)), entry.path());
  }
  std::sort(requests.begin(), requests.end());
  for (const auto& [number, path] : requests) {
    const std::string answer = Serve(receiver, ReadFile(path), link);
    fs::remove(path, error);
    const fs::path temporary = folder / ("answering-" + std::to_string(number));
    std::ofstream(temporary, std::ios::binary) << answer;
    fs::rename(temporary, folder / ("answer-" + std::to_string(number)), error);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string link, port, control, speakFile;
  unsigned long speakBaud = 0;
  int commandAt = argc;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--") {
      commandAt = i + 1;
      break;
    }
    if (option == "--link" && i + 1 < argc) link = argv[++i];
    else if (option == "--port" && i + 1 < argc) port = argv[++i];
    else if (option == "--control" && i + 1 < argc) control = argv[++i];
    else if (option == "--speak" && i + 2 < argc) {
      speakBaud = std::stoul(argv[++i]);
      speakFile = argv[++i];
    } else {
      std::cerr << "usage: simulated_receiver [--link PATH] [--port NAME] [--control DIR]"
                   " [--speak BAUD FILE] [-- COMMAND...]\n";
      return 2;
    }
  }
  auto receiver = corekit_test::MakeLocalReceiver();
  if (!receiver) {
    std::cerr << "simulated_receiver: no pseudo-terminal pair\n";
    return 1;
  }
  Link(link, *receiver);
  if (speakBaud != 0) receiver->Speak(static_cast<std::uint32_t>(speakBaud), ReadFile(speakFile));

  bool ownFolder = false;
  if (control.empty() && commandAt < argc) {
    char pattern[] = "/tmp/simulated-receiver-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    control = pattern;
    ownFolder = true;
  }
  if (!control.empty()) fs::create_directories(control);

  pid_t child = -1;
  if (commandAt < argc) {
    setenv("COREKIT_RECEIVER_DIR", fs::absolute(control).c_str(), 1);
    setenv("COREKIT_RECEIVER_PORT", (port.empty() ? receiver->PortName() : port).c_str(), 1);
    child = fork();
    if (child == 0) {
      execvp(argv[commandAt], argv + commandAt);
      std::perror(argv[commandAt]);
      _exit(127);
    }
  } else {
    std::cout << "port: " << receiver->PortName() << std::endl;
    signal(SIGINT, [](int) { g_stop = 1; });
    signal(SIGTERM, [](int) { g_stop = 1; });
  }

  int status = 0;
  while (!g_stop) {
    if (!control.empty()) ServeFolder(*receiver, control, link);
    if (child > 0 && waitpid(child, &status, WNOHANG) == child) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (ownFolder) fs::remove_all(control);
  if (!link.empty()) fs::remove(link);
  if (child > 0) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return 0;
}
