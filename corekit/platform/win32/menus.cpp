#include "corekit/platform/menus.h"

namespace corekit::platform {

// The system reads the template itself, up to its last item; it takes no size.
HMENU LoadMenuTemplate(const void* menuTemplate, std::size_t) {
  return LoadMenuIndirectA(menuTemplate);
}

int MenuItemCount(HMENU menu) { return GetMenuItemCount(menu); }

bool ReadMenuItem(HMENU menu, UINT position, MENUITEMINFOA& info) {
  return GetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

bool WriteMenuItem(HMENU menu, UINT position, const MENUITEMINFOA& info) {
  return SetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

bool DestroyMenuTree(HMENU menu) { return DestroyMenu(menu) != FALSE; }

bool IsMenuHandle(HMENU menu) { return IsMenu(menu) != FALSE; }

}  // namespace corekit::platform
