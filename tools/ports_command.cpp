#include "tools/ports_command.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "corekit/util/com_ports.h"

namespace corekit::tool {
namespace {

using Port = kx_std::s_d<KString, KString>;

// The ports in the order the system lists them.
class PortList : public kx_std::base_coll<Port> {
public:
  int Count() const override { return static_cast<int>(names.size()); }
  void Clear() override { names.clear(); }
  void Insert(Port port, int) override { names.emplace_back(port.key); }
  std::vector<std::string> names;
};

class PortsCommand final : public Command {
public:
  explicit PortsCommand(CLI::App& app)
      : m_app(app.add_subcommand("ports", "List the serial ports of the machine")) {}

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream&) override {
    out << FormatPorts();
    return ExitOk;
  }

private:
  CLI::App* m_app;
};

}  // namespace

std::string FormatPorts() {
  PortList ports;
  EnumComPorts(ports);
  if (ports.names.empty()) return "no serial ports\n";
  std::string text;
  for (const std::string& name : ports.names) text += name + '\n';
  return text;
}

std::unique_ptr<Command> AddPortsCommand(CLI::App& app) {
  return std::make_unique<PortsCommand>(app);
}

}  // namespace corekit::tool
