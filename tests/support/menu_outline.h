#pragma once

// Menus in tests: one owned for the length of a test, and a whole menu written as one line for
// comparing menus. The line has the items' texts separated by " | ", a popup's items in braces
// after its text, a separator as "-", "~" after a grayed and "*" after a checked item's text, and
// "#id" after an item that opens nothing:
//   "&File { &Open\tCtrl+O #101 | - | E&xit~ #102 }"

#include <string>

#include "corekit/platform/types.h"

std::string MenuOutline(HMENU menu);

class OwnedMenu {
public:
  explicit OwnedMenu(HMENU menu) : m_menu(menu) {}
  ~OwnedMenu();
  OwnedMenu(const OwnedMenu&) = delete;
  OwnedMenu& operator=(const OwnedMenu&) = delete;
  HMENU Get() const { return m_menu; }

private:
  HMENU m_menu;
};
