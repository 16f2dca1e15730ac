#pragma once

// A menu written as one line, for comparing whole menus in tests: the items' texts separated by
// " | ", a popup's items in braces after its text, a separator as "-", a grayed item with "~" and
// a checked one with "*" after its text, and the id of an item that opens nothing after "#".
//   "&File { &Open\tCtrl+O #101 | - | E&xit~ #102 }"

#include <string>

#include "corekit/platform/types.h"

std::string MenuOutline(HMENU menu);
