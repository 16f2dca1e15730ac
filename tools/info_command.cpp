#include "tools/info_command.h"

#include <CLI/CLI.hpp>

#include "corekit/core/app_info.h"
#include "corekit/dllload/module_load.h"
#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

class InfoCommand final : public Command {
public:
  explicit InfoCommand(CLI::App& app)
      : m_app(app.add_subcommand("info", "Print the application information the library reports")) {
    m_app->add_option("modules", m_modules, "Module files (libraries) whose version to print")
        ->type_name("MODULE");
    m_app->footer(
        "The name comes from the program's version block, else its file name; the user folder is "
        "created in the user's profile when missing. The version is the number after the \"0x\" "
        "of a module's FileVersion text, 4096 when it has none.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::string report, error;
    if (!FormatInfo(m_modules, report, error)) {
      err << "corekit: info: " << error << '\n';
      return ExitUsage;
    }
    out << report;
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::vector<std::string> m_modules;
};

}  // namespace

bool FormatInfo(const std::vector<std::string>& modules, std::string& report, std::string& error) {
  std::vector<ReportLine> lines = {
      {"Application", std::string(GetAppName())},
      {"Folder", std::string(GetAppDir())},
      {"User folder", std::string(GetUserDir())},
      {"Version", std::to_string(GetModuleVersion(nullptr))},
  };
  for (const std::string& path : modules) {
    DWORD code = 0;
    const HMODULE module = LoadModuleFile(path.c_str(), &code);
    if (module == nullptr) {
      error = "'" + path + "' cannot be loaded (system error " + std::to_string(code) + ")";
      return false;
    }
    lines.emplace_back("Version of module", path + ": " + std::to_string(GetModuleVersion(module)));
    FreeModuleFile(module);
  }
  report = FormatReport(lines);
  return true;
}

std::unique_ptr<Command> AddInfoCommand(CLI::App& app) {
  return std::make_unique<InfoCommand>(app);
}

}  // namespace corekit::tool
