#include "tools/info_command.h"

#include <CLI/CLI.hpp>

#include "corekit/core/app_info.h"
#include "corekit/platform/module_handle.h"
#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

class InfoCommand final : public Command {
public:
  explicit InfoCommand(CLI::App& app)
      : m_app(app.add_subcommand("info", "Print the application information the library reports")) {
    m_app->footer(
        "The name comes from the program's version block, else its file name; the user folder is "
        "created in the user's profile when missing. A module without version text has version "
        "4096.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream&) override {
    out << FormatInfo();
    return ExitOk;
  }

private:
  CLI::App* m_app;
};

}  // namespace

std::string FormatInfo() {
  // The library's module is the one that holds its exported functions.
  const HINSTANCE library = platform::ModuleOfAddress(reinterpret_cast<const void*>(&GetAppName));
  return FormatReport({
      {"Application", std::string(GetAppName())},
      {"Folder", std::string(GetAppDir())},
      {"User folder", std::string(GetUserDir())},
      {"Program version", std::to_string(GetModuleVersion(nullptr))},
      {"Library version", std::to_string(GetModuleVersion(library))},
  });
}

std::unique_ptr<Command> AddInfoCommand(CLI::App& app) {
  return std::make_unique<InfoCommand>(app);
}

}  // namespace corekit::tool
