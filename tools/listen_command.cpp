#include "tools/listen_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <vector>

#include "corekit/gnss/com_port_probe.h"
#include "corekit/gnss/gnss_frame_scanner.h"
#include "corekit/util/com_port_stream.h"
#include "tools/json_text.h"
#include "tools/port_failure.h"

namespace corekit::tool {
namespace {

// Reads end this often, so that the end of the listening is seen soon.
constexpr DWORD ReadSliceMs = 100;
constexpr DWORD ReadGapMs = 20;

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::atomic<bool>& Interrupted() {
  static std::atomic<bool> interrupted{false};
  return interrupted;
}

extern "C" void OnInterrupt(int) { Interrupted() = true; }

class ListenCommand final : public Command {
public:
  explicit ListenCommand(CLI::App& app)
      : m_app(app.add_subcommand("listen", "Show the frames a receiver sends on a serial port")) {
    m_app->add_option("port", m_port, "The port: /dev/ttyACM0, COM7")->required();
    auto* baud = m_app->add_option("--baud", m_baud, "Bits per second (default: the port's rate)")
                     ->check(CLI::Range(50u, 4000000u));
    m_app->add_flag("--probe", m_probe, "Find the receiver's rate first")->excludes(baud);
    m_app->add_option("--seconds", m_seconds, "Listen this long (default: until interrupted)")
        ->check(CLI::Range(0.001, 31536000.0));
    m_app->add_flag("--json", m_json, "One JSON object a line for each frame, then the summary");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    TComPortStream port;
    TComPortSettings settings;
    settings.Baud = m_baud;  // 0: the rate the port is set to
    LONG result = port.Open(m_port.c_str(), settings);
    if (result < 0) return ReportPortFailure(err, "listen", m_port, result);
    if (m_probe) {
      const TComPortProbeResult probe = ProbeComPort(port);
      if (probe.Result != 0) return ReportPortFailure(err, "listen", m_port, probe.Result);
    } else {
      // What came before the port was set may have come at another rate.
      result = port.Purge(TComPurge::Input);
      if (result < 0) return ReportPortFailure(err, "listen", m_port, result);
    }
    // Ctrl+C ends the listening, and the summary is still written.
    const std::atomic<bool>& interrupted = Interrupted();
    std::signal(SIGINT, OnInterrupt);
    ListenCounts counts;
    result = ListenToPort(port, m_seconds, m_json, out, interrupted, counts);
    std::signal(SIGINT, SIG_DFL);
    out << ListenSummary(counts, m_json) << std::flush;
    if (result < 0) return ReportPortFailure(err, "listen", m_port, result);
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_port;
  unsigned long m_baud = 0;
  bool m_probe = false;
  double m_seconds = 0;
  bool m_json = false;
};

}  // namespace

std::string FrameLine(const TGnssFrame& frame, bool json) {
  const std::string protocol = GnssProtocolName(frame.Protocol);
  if (json) {
    return "{\"protocol\": " + JsonString(protocol) + ", \"type\": " + JsonString(frame.Type) +
           ", \"length\": " + std::to_string(frame.Length) +
           ", \"valid\": " + (frame.Valid ? "true" : "false") + "}\n";
  }
  std::string line = protocol + " " + (frame.Type.empty() ? "?" : frame.Type);
  if (!frame.Talker.empty()) line += " (" + frame.Talker + ")";
  return line + " " + std::to_string(frame.Length) + " bytes " +
         (frame.Valid ? "ok" : "bad checksum") + "\n";
}

std::string ListenSummary(const ListenCounts& counts, bool json) {
  unsigned long valid = 0;
  for (const auto& entry : counts.valid) valid += entry.second;
  const auto rate = [&counts](unsigned long count) {
    return Fixed(counts.seconds > 0 ? count / counts.seconds : 0.0, 2);
  };
  if (json) {
    std::string text = "{\"seconds\": " + Fixed(counts.seconds, 3) +
                       ", \"baud\": " + std::to_string(counts.baud) +
                       ", \"frames\": " + std::to_string(valid) +
                       ", \"invalid\": " + std::to_string(counts.invalid) +
                       ", \"skipped\": " + std::to_string(counts.skipped) + ", \"types\": [";
    const char* separator = "";
    for (const auto& [key, count] : counts.valid) {
      text += separator;
      text += "{\"protocol\": " + JsonString(key.first) + ", \"type\": " + JsonString(key.second) +
              ", \"count\": " + std::to_string(count) + ", \"per_second\": " + rate(count) + "}";
      separator = ", ";
    }
    return text + "]}\n";
  }
  std::string text = "listened " + Fixed(counts.seconds, 1) + " s at " +
                     std::to_string(counts.baud) + " baud: " + std::to_string(valid) + " frames, " +
                     std::to_string(counts.invalid) + " with a bad checksum, " +
                     std::to_string(counts.skipped) + " bytes in no frame\n";
  for (const auto& [key, count] : counts.valid) {
    text += "  " + key.first + " " + (key.second.empty() ? "?" : key.second) + ": " +
            std::to_string(count) + " (" + rate(count) + "/s)\n";
  }
  return text;
}

LONG ListenToPort(TComPortStream& port, double seconds, bool json, std::ostream& out,
                  const std::atomic<bool>& stop, ListenCounts& counts) {
  TComPortSettings settings = port.Settings();
  settings.ReadTotalMs = ReadSliceMs;
  settings.ReadGapMs = ReadGapMs;
  settings.ReadWhatIsThere = false;
  LONG result = port.Configure(settings);
  if (result < 0) return result;
  counts.baud = port.Settings().Baud;
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  TGnssFrameScanner scanner;
  std::vector<TGnssFrame> frames;
  unsigned char data[4096];
  // One read at least, so that what has come already is shown however short the time.
  do {
    LONG done = 0;
    result = port.Read(data, sizeof data, &done);
    frames.clear();
    if (done > 0) scanner.Feed(data, static_cast<std::size_t>(done), frames);
    for (const TGnssFrame& frame : frames) {
      out << FrameLine(frame, json);
      if (frame.Valid) {
        ++counts.valid[{GnssProtocolName(frame.Protocol), frame.Type}];
      } else {
        ++counts.invalid;
      }
    }
    if (!frames.empty()) out << std::flush;
  } while (result >= 0 && !stop && (seconds <= 0 || elapsed() < seconds));
  counts.skipped = scanner.Skipped();
  counts.seconds = elapsed();
  return result < 0 ? result : 0;
}

std::unique_ptr<Command> AddListenCommand(CLI::App& app) {
  return std::make_unique<ListenCommand>(app);
}

}  // namespace corekit::tool
