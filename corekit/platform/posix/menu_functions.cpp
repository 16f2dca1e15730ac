#include "corekit/platform/menu_functions.h"

#include "corekit/platform/menus.h"

int GetMenuItemCount(HMENU menu) { return corekit::platform::MenuItemCount(menu); }

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  if (!byPosition || info == nullptr) return FALSE;
  return corekit::platform::ReadMenuItem(menu, item, *info) ? TRUE : FALSE;
}

BOOL DestroyMenu(HMENU menu) { return corekit::platform::DestroyMenuTree(menu) ? TRUE : FALSE; }
