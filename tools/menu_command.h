#pragma once

// `corekit menu ID [--lang ID] [--dict NAME] [--module FILE]`: a menu of the tool's resources or
// of a module file, in a language, printed as an indented tree.

#include <memory>
#include <string>

#include "corekit/platform/menu_functions.h"
#include "tools/command.h"

namespace corekit::tool {

// The menu's items, one a line, each submenu's items indented by two more spaces below the item
// that opens it. A separator shows as "----", a tab in a text as "\t"; an item that opens nothing
// shows its id and whether it is grayed or checked: "&Open\tCtrl+O  [101]", "E&xit  [102, grayed]".
std::string FormatMenu(HMENU menu);

// Reads the fields that item.fMask selects of the item at position, as GetMenuItemInfoA does; false
// as it is.
bool ReadMenuItemAt(HMENU menu, int position, MENUITEMINFOA& item);

// Adds the `menu` subcommand to the application.
std::unique_ptr<Command> AddMenuCommand(CLI::App& app);

}  // namespace corekit::tool
