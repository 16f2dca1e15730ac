// The test's side of a receiver served by the simulated_receiver program: each request is a file
// of the control folder, request-N, answered by answer-N. A request says its size, so that the
// receiver takes it only once it is whole (Wine's rename, which would make it whole at once, fails
// now and then while the folder changes); the receiver renames its answer into place.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "tests/support/simulated_receiver.h"
#include "tests/support/simulated_receiver_protocol.h"

namespace corekit_test {
namespace {

namespace fs = std::filesystem;

// The folder as this program names it: a POSIX path is drive Z: under Wine.
fs::path ControlFolder(std::string text) {
#if defined(_WIN32)
  if (!text.empty() && text[0] == '/') {
    for (char& c : text) c = c == '/' ? '\\' : c;
    text = "Z:" + text;
  }
#endif
  return fs::path(text);
}

class ServedReceiver : public SimulatedReceiver {
public:
  ServedReceiver(fs::path folder, std::string port)
      : m_folder(std::move(folder)), m_port(std::move(port)) {}

  std::string PortName() override { return m_port; }
  bool Replug() override { return Ask("replug") == "1"; }
  void Speak(std::uint32_t baud, const std::string& frames) override { Ask("speak", baud, frames); }
  void Send(const std::string& bytes) override { Ask("send", 0, bytes); }
  void Silence() override { Ask("silence"); }
  void Echo(bool on) override { Ask("echo", on); }
  void Stall(bool on) override { Ask("stall", on); }
  std::string Received(std::size_t count) override { return Ask("received", count); }
  LineState Line() override { return ParseLine(Ask("line")); }
  void Unplug() override { Ask("unplug"); }
  void UnplugAfterReading(std::size_t count) override { Ask("unplugafter", count); }

private:
  // Sends one request and waits for its answer. A receiver that has ended answers nothing, which
  // ends the wait after a bound with an empty answer.
  std::string Ask(const char* verb, std::size_t number = 0, const std::string& bytes = {}) {
    const std::string sequence = std::to_string(++s_sequence);
    std::ofstream(m_folder / ("request-" + sequence), std::ios::binary)
        << verb << ' ' << number << ' ' << bytes.size() << '\n'
        << bytes;
    const fs::path answer = m_folder / ("answer-" + sequence);
    std::error_code error;
    for (int waited = 0; waited < 30000 && !fs::exists(answer, error); ++waited) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::ifstream file(answer, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), {});
    file.close();
    fs::remove(answer, error);
    return text;
  }

  fs::path m_folder;
  std::string m_port;
  static inline int s_sequence = 0;  // one count for every receiver of the process
};

}  // namespace

std::unique_ptr<SimulatedReceiver> ConnectReceiver() {
  const char* folder = std::getenv("COREKIT_RECEIVER_DIR");
  const char* port = std::getenv("COREKIT_RECEIVER_PORT");
  if (!folder || !port || !*folder || !*port) return nullptr;
  return std::make_unique<ServedReceiver>(ControlFolder(folder), port);
}

std::unique_ptr<SimulatedReceiver> OpenSimulatedReceiver() {
#if defined(_WIN32)
  return ConnectReceiver();
#else
  return MakeLocalReceiver();
#endif
}

}  // namespace corekit_test
