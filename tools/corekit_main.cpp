// The corekit command-line tool: subcommands over the corekit library.

#include <CLI/CLI.hpp>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "corekit/core/app_info.h"
#include "corekit/translate/translate_text.h"
#include "tools/command.h"
#include "tools/dict_command.h"
#include "tools/error_command.h"
#include "tools/info_command.h"
#include "tools/listen_command.h"
#include "tools/menu_command.h"
#include "tools/now_command.h"
#include "tools/path_command.h"
#include "tools/ports_command.h"
#include "tools/time_command.h"
#include "tools/translate_command.h"

namespace {

// CLI11's messages may span lines; the tool reports errors on one.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Installed, the tool has no dictionaries beside it: it reads the library's in
// share/corekit/Translate of the install, where applications copy them from.
void UseInstalledDictionaries() {
  const std::filesystem::path folder(static_cast<const char*>(GetAppDir()));
  std::error_code error;
  if (folder.empty() || std::filesystem::is_directory(folder / "Translate", error)) return;
  const std::filesystem::path installed =
      (folder / ".." / "share" / "corekit" / "Translate").lexically_normal();
  if (std::filesystem::is_directory(installed, error))
    SetDictionaryFolder(KString(installed.string().c_str()));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace corekit::tool;
  // Paths are read in the user's multibyte encoding.
  std::setlocale(LC_CTYPE, "");
  UseInstalledDictionaries();
  CLI::App app("Tools over the corekit library", "corekit");
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(AddTimeCommand(app));
  commands.push_back(AddNowCommand(app));
  commands.push_back(AddPathCommand(app));
  commands.push_back(AddInfoCommand(app));
  commands.push_back(AddTranslateCommand(app));
  commands.push_back(AddMenuCommand(app));
  commands.push_back(AddPortsCommand(app));
  commands.push_back(AddListenCommand(app));
  commands.push_back(AddErrorCommand(app));
  AddDictCommands(app, commands);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {
      return app.exit(e);  // --help
    }
    std::cerr << "corekit: " << OneLine(e.what()) << '\n';
    return ExitUsage;
  }
  for (const auto& command : commands) {
    if (command->Selected()) {
      return command->Run(std::cout, std::cerr);
    }
  }
  std::cerr << app.help();
  return ExitUsage;
}
