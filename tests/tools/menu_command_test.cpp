#include "tools/menu_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <sstream>
#include <string>

#include "corekit/platform/menu_functions.h"
#include "corekit/translate/menu_translation.h"
#include "tests/core/loaded_module.h"

namespace {

TEST(ToolMenuCommand, PrintsTheMenuAsATree) {
  const LoadedModule plugin(MENU_PLUGIN);
  const HMENU menu = LoadTranslatedMenu(plugin.Get(), 100, 0x0009, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(corekit::tool::FormatMenu(menu),
            "&File\n"
            "  &Open\\tCtrl+O  [101]\n"
            "  ----\n"
            "  &Recent\n"
            "    &Clear list  [111]\n"
            "    &Older\n"
            "      &Archive  [121, grayed]\n"
            "  ----\n"
            "  E&xit  [102]\n"
            "&Help\n"
            "  &Contents  [201, checked]\n"
            "  &Long  [202]\n");
  DestroyMenu(menu);
  EXPECT_EQ(corekit::tool::FormatMenu(menu), "");
}

TEST(ToolMenuCommand, ReportsBadInputOnOneLine) {
  const std::string plugin = MENU_PLUGIN;
  const struct {
    std::string line;
    int code;
    const char* shows;
  } cases[] = {
      {"menu 100 --module " + plugin, corekit::tool::ExitOk, "&File\n"},
      {"menu 100 --module " + plugin + " --lang 0x807", corekit::tool::ExitOk, "&Datei\n"},
      {"menu 999 --module " + plugin, corekit::tool::ExitFailure, "no menu 999 in 0x0009"},
      {"menu 100", corekit::tool::ExitFailure, "the tool has no menu 100"},
      {"menu 0", corekit::tool::ExitUsage, "'0' is not a menu id"},
      {"menu 65536", corekit::tool::ExitUsage, "not a menu id"},
      {"menu 100 --lang 0x1z", corekit::tool::ExitUsage, "is no known language"},
      {"menu 100 --module ./no_such_module", corekit::tool::ExitUsage, "cannot be loaded"},
  };
  for (const auto& c : cases) {
    CLI::App app;
    const auto command = corekit::tool::AddMenuCommand(app);
    app.parse(c.line, false);
    ASSERT_TRUE(command->Selected());
    std::ostringstream out, err;
    EXPECT_EQ(command->Run(out, err), c.code) << c.line;
    const std::string shown = c.code == corekit::tool::ExitOk ? out.str() : err.str();
    EXPECT_NE(shown.find(c.shows), std::string::npos) << c.line << ": " << shown;
    if (c.code != corekit::tool::ExitOk) {
      EXPECT_EQ(out.str(), "") << c.line;
      EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    }
  }
}

}  // namespace
