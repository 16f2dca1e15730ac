#include "tests/support/menu_outline.h"

#include "corekit/platform/menus.h"

std::string MenuOutline(HMENU menu) {
  const int count = corekit::platform::MenuItemCount(menu);
  if (count < 0) return "<no menu>";
  std::string outline;
  for (int position = 0; position < count; ++position) {
    if (position > 0) outline += " | ";
    char text[1024] = {};
    MENUITEMINFOA item;
    if (!corekit::platform::ReadWholeMenuItem(menu, position, item, text)) {
      outline += "<unreadable>";
    } else if (item.fType & MFT_SEPARATOR) {
      outline += "-";
    } else {
      outline += text;
      if (item.fState & MFS_GRAYED) outline += "~";
      if (item.fState & MFS_CHECKED) outline += "*";
      outline += item.hSubMenu != nullptr ? " { " + MenuOutline(item.hSubMenu) + " }"
                                          : " #" + std::to_string(item.wID);
    }
  }
  return outline;
}

OwnedMenu::~OwnedMenu() {
  if (m_menu != nullptr) corekit::platform::DestroyMenuTree(m_menu);
}
