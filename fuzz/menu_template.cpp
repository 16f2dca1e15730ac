// Menu templates, normal and extended: the reader must stay within the bytes, and a menu built
// from a template must hold the items read from it, down through its popups, until it is
// destroyed with them.

#include "corekit/winres/menu_template.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "corekit/platform/menus.h"
#include "corekit/platform/wide_text.h"
#include "fuzz/expect.h"

namespace {

namespace platform = corekit::platform;
namespace winres = corekit::winres;

// The menu's items are those of the template; returns its submenus, depth first.
void CheckMenu(HMENU menu, const std::vector<winres::MenuTemplateItem>& items, int depth,
               std::vector<HMENU>& submenus) {
  EXPECT(depth <= winres::MenuTemplateMaxDepth + 1);
  EXPECT(platform::MenuItemCount(menu) == static_cast<int>(items.size()));
  for (UINT position = 0; position < items.size(); ++position) {
    const winres::MenuTemplateItem& item = items[position];
    EXPECT((item.type & ~winres::MenuTypeFlags) == 0 &&
           (item.state & ~winres::MenuStateFlags) == 0);
    EXPECT(item.popup || item.children.empty());

    char text[8] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT(platform::ReadMenuItem(menu, position, info));
    EXPECT(info.fType == item.type && info.fState == item.state && info.wID == item.id);
    EXPECT((info.hSubMenu != nullptr) == item.popup);
    // The text, cut to the buffer.
    const std::string whole = platform::WideToMultibyte(item.text.data(), item.text.size());
    EXPECT(info.cch == std::min<std::size_t>(whole.size(), sizeof text - 1) &&
           whole.compare(0, info.cch, text) == 0 && text[info.cch] == '\0');
    if (item.popup) {
      submenus.push_back(info.hSubMenu);
      CheckMenu(info.hSubMenu, item.children, depth + 1, submenus);
    }
  }
  MENUITEMINFOA past{};
  past.cbSize = sizeof past;
  past.fMask = MIIM_ID;
  EXPECT(!platform::ReadMenuItem(menu, static_cast<UINT>(items.size()), past));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<winres::MenuTemplateItem> items;
  const bool read = winres::ReadMenuTemplate(data, size, items);
  HMENU menu = platform::LoadMenuTemplate(data, size);
  EXPECT(read == (menu != nullptr));
  if (!read) {
    EXPECT(items.empty());
    return 0;
  }
  std::vector<HMENU> submenus;
  CheckMenu(menu, items, 0, submenus);
  EXPECT(platform::DestroyMenuTree(menu));
  EXPECT(!platform::IsMenuHandle(menu));
  for (HMENU submenu : submenus) EXPECT(!platform::IsMenuHandle(submenu));
  return 0;
}
