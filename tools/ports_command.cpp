#include "tools/ports_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

#include "corekit/core/hex_text.h"
#include "corekit/util/com_port_details.h"
#include "corekit/util/com_port_watcher.h"
#include "corekit/util/gnss_usb_ids.h"
#include "tools/json_text.h"
#include "tools/port_failure.h"
#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

bool HasUsbId(const TComPortInfo& port) { return port.VendorId != 0 || port.ProductId != 0; }

// Four lowercase hex digits, or "" for a port without USB ids.
std::string HexId(const TComPortInfo& port, WORD id) {
  return HasUsbId(port) ? HexText(id, 4) : "";
}

bool IsGnss(const TComPortInfo& port) {
  return HasUsbId(port) &&
         UsbSerialKind(port.VendorId, port.ProductId) == TUsbSerialKind::GnssReceiver;
}

std::string Interface(const TComPortInfo& port) {
  return port.Interface >= 0 ? std::to_string(port.Interface) : "";
}

std::vector<std::string> ProtocolNames(ULONG protocols) {
  std::vector<std::string> names;
  for (TGnssProtocol protocol :
       {TGnssProtocol::Nmea, TGnssProtocol::Ubx, TGnssProtocol::Rtcm3, TGnssProtocol::Sbf}) {
    if (protocols & GnssProtocolBit(protocol)) names.push_back(GnssProtocolName(protocol));
  }
  return names;
}

// "115200 baud NMEA UBX", or what the probe met instead.
std::string ProbeText(const TComPortProbeResult& probe) {
  if (probe.Result != 0) return "no receiver: " + PortResultText(probe.Result);
  std::string text = std::to_string(probe.Baud) + " baud";
  for (const std::string& name : ProtocolNames(probe.Protocols)) text += " " + name;
  return text;
}

std::string ProbeJson(const TComPortProbeResult& probe) {
  std::string text = "\"baud\": " + std::to_string(probe.Baud) + ", \"protocols\": [";
  const char* separator = "";
  for (const std::string& name : ProtocolNames(probe.Protocols)) {
    text += separator + JsonString(name);
    separator = ", ";
  }
  return text + "], ";
}

std::string Line(const TComPortInfo& port) {
  std::string line = std::string(port.Name);
  if (!port.Description.IsEmpty()) line += "  " + std::string(port.Description);
  if (port.Transport != TPortTransport::Unknown)
    line += std::string("  ") + PortTransportName(port.Transport);
  if (HasUsbId(port)) line += " " + HexId(port, port.VendorId) + ":" + HexId(port, port.ProductId);
  if (!port.SerialNumber.IsEmpty()) line += " serial " + std::string(port.SerialNumber);
  if (IsGnss(port)) line += "  (GNSS receiver)";
  return line + "\n";
}

// A detail of a port: its label in the long form, its JSON key (none: left out of JSON), its text.
struct PortField {
  const char* label;
  const char* key;
  std::string value;
};

std::vector<PortField> Fields(const TComPortInfo& port) {
  return {{"Name", "name", std::string(port.Name)},
          {"Path", "path", std::string(port.Path)},
          {"Description", "description", std::string(port.Description)},
          {"Transport", "transport", PortTransportName(port.Transport)},
          {"Vendor id", "vid", HexId(port, port.VendorId)},
          {"Product id", "pid", HexId(port, port.ProductId)},
          {"Serial number", "serial", std::string(port.SerialNumber)},
          {"Manufacturer", "manufacturer", std::string(port.Manufacturer)},
          {"Product", "product", std::string(port.Product)},
          {"Location", "location", std::string(port.Location)},
          {"Interface", "interface", Interface(port)},
          {"Driver", nullptr, std::string(port.Driver)},
          {"By id", "by_id", std::string(port.ById)},
          {"By path", "by_path", std::string(port.ByPath)}};
}

std::string Block(const TComPortInfo& port, const TComPortProbeResult* probe) {
  std::vector<ReportLine> lines;
  for (const PortField& field : Fields(port)) lines.push_back({field.label, field.value});
  lines.push_back({"GNSS receiver", IsGnss(port) ? "yes" : "no"});
  if (probe != nullptr) lines.push_back({"Probe", ProbeText(*probe)});
  return FormatReport(lines);
}

std::string Object(const TComPortInfo& port, const TComPortProbeResult* probe) {
  std::string object = "  {";
  for (const PortField& field : Fields(port)) {
    if (field.key != nullptr)
      object += JsonString(field.key) + ": " + JsonString(field.value) + ", ";
  }
  if (probe != nullptr) object += ProbeJson(*probe);
  return object + "\"gnss\": " + (IsGnss(port) ? "true" : "false") + "}";
}

// Probes every port at once, each on a thread of its own: a silent port costs its bound once.
std::vector<TComPortProbeResult> ProbePorts(const std::vector<TComPortInfo>& ports) {
  std::vector<std::future<TComPortProbeResult>> running;
  for (const TComPortInfo& port : ports) {
    running.push_back(
        std::async(std::launch::async, [name = port.Name] { return ProbeComPort(name); }));
  }
  std::vector<TComPortProbeResult> probes;
  for (auto& probe : running) probes.push_back(probe.get());
  return probes;
}

// Writes each change as the port's line behind + (came) or - (went), at once.
class ChangePrinter : public TPostTargetBase<TComPortChange> {
public:
  explicit ChangePrinter(std::ostream& out) : m_out(out) {}
  void OnPost(const TComPortChange& change) override {
    m_out << (change.Arrived ? "+ " : "- ") << Line(change.Port) << std::flush;
  }

private:
  std::ostream& m_out;
};

class PortsCommand final : public Command {
public:
  explicit PortsCommand(CLI::App& app)
      : m_app(app.add_subcommand("ports", "List the serial ports of the machine")) {
    auto* longOption = m_app->add_flag("--long", m_long, "Every detail of each port");
    auto* jsonOption = m_app->add_flag("--json", m_json, "One JSON array of objects, one per port")
                           ->excludes(longOption);
    auto* probeOption = m_app->add_flag(
        "--probe", m_probe, "Open each port and find the rate and protocols of its receiver");
    m_app->add_option("port", m_named, "With --probe: the ports to probe (default: every port)")
        ->needs(probeOption);
    auto* watchOption =
        m_app
            ->add_flag("--watch", m_watch,
                       "Show the ports, then each port that comes (+) or goes (-), until ended")
            ->excludes(longOption)
            ->excludes(jsonOption)
            ->excludes(probeOption);
    m_app->add_option("--interval", m_interval, "Milliseconds between two looks (default 500)")
        ->check(CLI::Range(10, 3600000))
        ->needs(watchOption);
    m_app->add_option("--polls", m_polls, "Looks before --watch ends (default 0: never)")
        ->needs(watchOption);
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream&) override {
    if (m_watch) {
      TComPortWatcher watcher;
      ChangePrinter printer(out);
      for (unsigned int look = 0; m_polls == 0 || look < m_polls; ++look) {
        if (look > 0) std::this_thread::sleep_for(std::chrono::milliseconds(m_interval));
        watcher.Poll(printer);
      }
      return ExitOk;
    }
    kx_std::vector_coll<TComPortInfo> list;
    EnumComPortDetails(list);
    if (!m_named.empty()) list.items = Named(list.items);
    std::vector<TComPortProbeResult> probes;
    if (m_probe) probes = ProbePorts(list.items);
    out << FormatPorts(list.items,
                       m_json   ? PortsFormat::Json
                       : m_long ? PortsFormat::Long
                                : PortsFormat::Lines,
                       m_probe ? &probes : nullptr);
    return ExitOk;
  }

private:
  // The ports named on the command line, described as the system lists them where it does.
  std::vector<TComPortInfo> Named(const std::vector<TComPortInfo>& listed) const {
    std::vector<TComPortInfo> ports;
    for (const std::string& name : m_named) {
      const auto found =
          std::find_if(listed.begin(), listed.end(),
                       [&name](const TComPortInfo& port) { return name == port.Name.GetString(); });
      if (found != listed.end()) {
        ports.push_back(*found);
      } else {
        ports.emplace_back();
        ports.back().Name = name.c_str();
      }
    }
    return ports;
  }

  CLI::App* m_app;
  std::vector<std::string> m_named;
  bool m_long = false;
  bool m_json = false;
  bool m_watch = false;
  bool m_probe = false;
  unsigned int m_interval = 500;
  unsigned int m_polls = 0;
};

}  // namespace

std::string FormatPorts(const std::vector<TComPortInfo>& ports, PortsFormat format,
                        const std::vector<TComPortProbeResult>* probes) {
  const auto probe = [probes](std::size_t i) {
    return probes != nullptr ? &(*probes)[i] : nullptr;
  };
  if (format == PortsFormat::Json) {
    std::string text = "[";
    for (std::size_t i = 0; i < ports.size(); ++i)
      text += (i > 0 ? ",\n" : "\n") + Object(ports[i], probe(i));
    return text + (ports.empty() ? "]\n" : "\n]\n");
  }
  if (ports.empty()) return "no serial ports\n";
  std::string text;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    if (format == PortsFormat::Lines) {
      text += Line(ports[i]);
      if (probe(i) != nullptr) text.insert(text.size() - 1, "  " + ProbeText(*probe(i)));
    } else {
      text += (i > 0 ? "\n" : "") + Block(ports[i], probe(i));
    }
  }
  return text;
}

std::unique_ptr<Command> AddPortsCommand(CLI::App& app) {
  return std::make_unique<PortsCommand>(app);
}

}  // namespace corekit::tool
