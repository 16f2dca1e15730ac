#pragma once

// `corekit menu ID [--lang ID] [--dict NAME] [--module FILE]`: a menu of the tool's resources or
// of a module file, in a language, printed as an indented tree.

#include <memory>
#include <string>

#include "corekit/platform/types.h"
#include "tools/command.h"

namespace corekit::tool {

// The menu's items, one a line, each submenu's items indented by two more spaces below the item
// that opens it. A separator shows as "----", a tab in a text as "\t"; an item that opens nothing
// shows its id and whether it is grayed or checked: "&Open\tCtrl+O  [101]", "E&xit  [102, grayed]".
std::string FormatMenu(HMENU menu);

// Adds the `menu` subcommand to the application.
std::unique_ptr<Command> AddMenuCommand(CLI::App& app);

}  // namespace corekit::tool
