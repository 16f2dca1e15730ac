#include "corekit/platform/menus.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "corekit/platform/wide_text.h"
#include "tests/support/menu_outline.h"
#include "tests/winres/menu_template_bytes.h"

namespace {

using corekit::platform::DestroyMenuTree;
using corekit::platform::IsMenuHandle;
using corekit::platform::MenuItemCount;
using corekit::platform::ReadMenuItem;
using corekit::platform::WriteMenuItem;

constexpr UINT ShortRecord = offsetof(MENUITEMINFOA, hbmpItem);

HMENU Build(const MenuTemplateBytes& bytes) {
  return corekit::platform::LoadMenuTemplate(bytes.Bytes().data(), bytes.Bytes().size());
}

// File { Open\tCtrl+O, separator, Recent { Clear }, Exit (grayed) }, Help (checked, right).
MenuTemplateBytes NormalSample() {
  MenuTemplateBytes bytes = MenuTemplateBytes::Normal();
  bytes.Popup(0, u"&File")
      .Item(0, 101, u"&Open\tCtrl+O")
      .Item(0, 0, u"")
      .Popup(0, u"&Recent")
      .Item(MF_END, 111, u"&Clear")
      .Item(MF_END | MF_GRAYED, 102, u"E&xit")
      .Item(MF_END | MF_CHECKED | MF_HELP, 201, u"&Help");
  return bytes;
}

MENUITEMINFOA Record(UINT mask, UINT size = ShortRecord) {
  MENUITEMINFOA info{};
  info.cbSize = size;
  info.fMask = mask;
  return info;
}

HMENU SubMenu(HMENU menu, UINT position) {
  MENUITEMINFOA info = Record(MIIM_SUBMENU);
  return ReadMenuItem(menu, position, info) ? info.hSubMenu : nullptr;
}

TEST(Menus, BuildsBothTemplateFormats) {
  MenuTemplateBytes extended = MenuTemplateBytes::Extended();
  extended.ExtendedItem(0, 0, 300, 1, u"&Edit")
      .ExtendedItem(MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT, 301, 0, u"&Copy")
      .ExtendedItem(MFT_SEPARATOR, 0, 0, 0, u"")
      .ExtendedItem(0, MFS_GRAYED, 303, 0x80, u"&Paste")
      .ExtendedItem(0, 0, 304, 0x80, u"&View");
  const OwnedMenu normal(Build(NormalSample()));
  const OwnedMenu extendedMenu(Build(extended));
  EXPECT_EQ(MenuOutline(extendedMenu.Get()),
            "&Edit { &Copy* #301 | - | &Paste~ #303 } | &View #304");

  // A normal template's outline is the menu tests' and the menu tool's; its separator is grayed.
  // An extended one's popup keeps its id.
  const struct {
    HMENU menu;
    UINT position;
    UINT type, state, id;
  } items[] = {
      {SubMenu(normal.Get(), 0), 1, MFT_SEPARATOR, MFS_GRAYED, 0},
      {normal.Get(), 1, MFT_RIGHTJUSTIFY, MFS_CHECKED, 201},
      {extendedMenu.Get(), 0, MFT_STRING, 0, 300},
      {SubMenu(extendedMenu.Get(), 0), 0, MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT, 301},
  };
  for (const auto& item : items) {
    MENUITEMINFOA info = Record(MIIM_FTYPE | MIIM_STATE | MIIM_ID);
    ASSERT_TRUE(ReadMenuItem(item.menu, item.position, info)) << item.id;
    EXPECT_EQ(info.fType, item.type) << item.id;
    EXPECT_EQ(info.fState, item.state) << item.id;
    EXPECT_EQ(info.wID, item.id);
  }

  EXPECT_EQ(Build(MenuTemplateBytes().Word(2).Word(0).Item(MF_END, 1, u"x")), nullptr);
}

TEST(Menus, CopiesTextAsTheSystemDoes) {
  MenuTemplateBytes bytes = MenuTemplateBytes::Normal();
  bytes.Item(0, 1, u"&Open").Item(0, 2, u"").Item(MF_END, 3, u"\u00D6ffnen");
  const OwnedMenu menu(Build(bytes));
  const std::u16string wide = u"\u00D6ffnen";
  const std::string umlaut = corekit::platform::WideToMultibyte(wide.data(), wide.size());
  const UINT size = static_cast<UINT>(umlaut.size());

  // At most cch - 1 characters and a NUL; cch then counts the characters copied. Without a
  // buffer, or with cch 0, cch receives the text's length. MIIM_TYPE gives a separator no buffer
  // back; MIIM_STRING empties it.
  const struct {
    UINT mask, position;
    bool buffer;
    UINT cch;
    std::string text;
    UINT cchAfter;
  } cases[] = {
      {MIIM_TYPE, 0, true, 6, "&Open", 5},
      {MIIM_STRING, 0, true, 1, "", 0},
      {MIIM_STRING, 0, true, 0, "untouched", 5},
      {MIIM_STRING, 0, false, 10, "untouched", 5},
      {MIIM_TYPE, 1, true, 10, "untouched", 0},
      {MIIM_STRING, 1, true, 10, "", 0},
      {MIIM_TYPE, 2, true, 100, umlaut, size},
      {MIIM_STRING, 2, true, size, umlaut.substr(0, size - 1), size - 1},
  };
  for (const auto& c : cases) {
    char buffer[100] = "untouched";
    MENUITEMINFOA info = Record(c.mask);
    info.dwTypeData = c.buffer ? buffer : nullptr;
    info.cch = c.cch;
    const std::string label = "mask " + std::to_string(c.mask) + " item " +
                              std::to_string(c.position) + " cch " + std::to_string(c.cch);
    ASSERT_TRUE(ReadMenuItem(menu.Get(), c.position, info)) << label;
    EXPECT_EQ(info.cch, c.cchAfter) << label;
    EXPECT_EQ(std::string(buffer, c.text.size()), c.text) << label;
#if !defined(_WIN32)
    // Wine, which runs the Windows build here, copies a cut text without its NUL.
    EXPECT_EQ(buffer[c.text.size()], '\0') << label;
#endif
  }
}

TEST(Menus, ReadsAndWritesTheFieldsOfTheMask) {
  const OwnedMenu menu(Build(NormalSample()));
  const HMENU file = SubMenu(menu.Get(), 0);
  const auto handle = [](std::uintptr_t value) { return reinterpret_cast<HBITMAP>(value); };

  char text[] = "&Quit\tAlt+F4";
  MENUITEMINFOA info = Record(MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_CHECKMARKS);
  info.fType = MFT_RADIOCHECK;
  info.dwTypeData = text;
  info.fState = MFS_CHECKED;
  info.wID = 900;
  info.dwItemData = 0xABCD;
  info.hbmpChecked = handle(0x100);
  info.hbmpUnchecked = handle(0x200);
  ASSERT_TRUE(WriteMenuItem(file, 3, info));
  MENUITEMINFOA data = Record(MIIM_DATA);  // only the data: the id stays
  data.dwItemData = 0x1234;
  data.wID = 5;
  ASSERT_TRUE(WriteMenuItem(file, 3, data));

  // A read fills only what the mask asks for, and clears the submenu unless asked for it. The
  // state and the id that were written show in the outline.
  MENUITEMINFOA read = Record(MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_CHECKMARKS);
  read.hSubMenu = file;
  read.cch = 77;
  ASSERT_TRUE(ReadMenuItem(file, 3, read));
  EXPECT_EQ(read.fType, UINT(MFT_RADIOCHECK));
  EXPECT_EQ(read.dwItemData, 0x1234u);
  EXPECT_EQ(read.hbmpChecked, handle(0x100));
  EXPECT_EQ(read.hbmpUnchecked, handle(0x200));
  EXPECT_EQ(read.hSubMenu, nullptr);
  EXPECT_EQ(read.cch, 77u);
  EXPECT_EQ(MenuOutline(file),
            "&Open\tCtrl+O #101 | - | &Recent { &Clear #111 } | &Quit\tAlt+F4* #900");

  // The record is taken whole or without hbmpItem, which a short record leaves alone; MIIM_TYPE
  // does not mix with the masks that replaced it; a bitmap type is not set through MIIM_FTYPE.
  const struct {
    UINT size, mask, type;
    bool write, read;
  } records[] = {
      {sizeof(MENUITEMINFOA), MIIM_DATA, 0, true, true},
      {ShortRecord, MIIM_DATA | MIIM_BITMAP, 0, true, true},
      {0, MIIM_DATA, 0, false, false},
      {ShortRecord - 4, MIIM_DATA, 0, false, false},
      {sizeof(MENUITEMINFOA) + 4, MIIM_DATA, 0, false, false},
      {ShortRecord, MIIM_TYPE | MIIM_STRING, 0, false, false},
      {ShortRecord, MIIM_TYPE | MIIM_FTYPE, 0, false, false},
      {ShortRecord, MIIM_FTYPE, MFT_BITMAP, false, true},
  };
  for (const auto& r : records) {
    MENUITEMINFOA record = Record(r.mask, r.size);
    record.fType = r.type;
    record.hbmpItem = handle(0x5555);
    EXPECT_EQ(WriteMenuItem(file, 0, record), r.write) << r.size << " " << r.mask;
    EXPECT_EQ(ReadMenuItem(file, 0, record), r.read) << r.size << " " << r.mask;
    if (r.size == ShortRecord) {
      EXPECT_EQ(record.hbmpItem, handle(0x5555));
    }
  }
}

TEST(Menus, SubmenusBelongToTheirMenu) {
  const HMENU menu = Build(NormalSample());
  const HMENU file = SubMenu(menu, 0);
  const HMENU recent = SubMenu(file, 2);
  ASSERT_TRUE(IsMenuHandle(recent));

  // A submenu must not hold the item's own menu.
  MENUITEMINFOA attach = Record(MIIM_SUBMENU);
  attach.hSubMenu = menu;
  EXPECT_FALSE(WriteMenuItem(recent, 0, attach));
  // Another menu becomes a submenu and is destroyed with its new owner.
  const HMENU other = Build(NormalSample());
  attach.hSubMenu = other;
  ASSERT_TRUE(WriteMenuItem(menu, 1, attach));

  EXPECT_TRUE(DestroyMenuTree(menu));
  for (const HMENU gone : {menu, file, recent, other}) EXPECT_FALSE(IsMenuHandle(gone));
  const OwnedMenu fresh(Build(NormalSample()));
  attach.hSubMenu = file;
  EXPECT_FALSE(WriteMenuItem(fresh.Get(), 1, attach));
}

TEST(Menus, UnknownHandlesAndPositionsFailCleanly) {
  const HMENU destroyed = Build(NormalSample());
  ASSERT_TRUE(DestroyMenuTree(destroyed));
  int local = 0;
  const OwnedMenu live(Build(NormalSample()));

  char buffer[16] = "x";
  MENUITEMINFOA info = Record(MIIM_TYPE | MIIM_ID);
  info.dwTypeData = buffer;
  info.cch = sizeof buffer;
  for (const HMENU bad : {HMENU(nullptr), destroyed, reinterpret_cast<HMENU>(&local)}) {
    EXPECT_EQ(MenuItemCount(bad), -1);
    EXPECT_FALSE(ReadMenuItem(bad, 0, info));
    EXPECT_FALSE(WriteMenuItem(bad, 0, info));
    EXPECT_FALSE(IsMenuHandle(bad));
    EXPECT_FALSE(DestroyMenuTree(bad));
  }
  EXPECT_FALSE(ReadMenuItem(live.Get(), 2, info));
  EXPECT_FALSE(WriteMenuItem(live.Get(), 2, info));
}

}  // namespace
