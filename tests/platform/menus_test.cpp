#include "corekit/platform/menus.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "corekit/platform/wide_text.h"
#include "tests/platform/menu_template_bytes.h"

namespace {

using corekit::platform::DestroyMenuTree;
using corekit::platform::IsMenuHandle;
using corekit::platform::LoadMenuTemplate;
using corekit::platform::MenuItemCount;
using corekit::platform::ReadMenuItem;
using corekit::platform::WriteMenuItem;

// The text as the system gives UTF-16 in the process's encoding.
std::string Multibyte(const std::u16string& text) {
  return corekit::platform::WideToMultibyte(text.data(), text.size());
}

constexpr UINT ShortRecord = offsetof(MENUITEMINFOA, hbmpItem);

HMENU Build(const MenuTemplateBytes& bytes) {
  return LoadMenuTemplate(bytes.Bytes().data(), bytes.Bytes().size());
}

// A menu built from a template, destroyed at the end of the test.
class OwnedMenu {
public:
  explicit OwnedMenu(const MenuTemplateBytes& bytes) : m_menu(Build(bytes)) {}
  ~OwnedMenu() {
    if (m_menu != nullptr) DestroyMenuTree(m_menu);
  }
  OwnedMenu(const OwnedMenu&) = delete;
  OwnedMenu& operator=(const OwnedMenu&) = delete;
  HMENU Get() const { return m_menu; }

private:
  HMENU m_menu;
};

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

// The text of an item through a buffer of 300 bytes; "<failed>" when it cannot be read.
std::string ItemText(HMENU menu, UINT position) {
  char buffer[300] = {};
  MENUITEMINFOA info = Record(MIIM_STRING);
  info.dwTypeData = buffer;
  info.cch = sizeof buffer;
  return ReadMenuItem(menu, position, info) ? std::string(buffer) : std::string("<failed>");
}

HMENU SubMenu(HMENU menu, UINT position) {
  MENUITEMINFOA info = Record(MIIM_SUBMENU);
  return ReadMenuItem(menu, position, info) ? info.hSubMenu : nullptr;
}

TEST(Menus, BuildsTheNormalFormat) {
  const OwnedMenu menu(NormalSample());
  ASSERT_NE(menu.Get(), nullptr);
  ASSERT_EQ(MenuItemCount(menu.Get()), 2);
  const HMENU file = SubMenu(menu.Get(), 0);
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(MenuItemCount(file), 4);
  EXPECT_EQ(MenuItemCount(SubMenu(file, 2)), 1);
  EXPECT_EQ(ItemText(SubMenu(file, 2), 0), "&Clear");

  const struct {
    HMENU menu;
    UINT position;
    const char* text;
    UINT type;
    UINT state;
    UINT id;
  } items[] = {
      {file, 0, "&Open\tCtrl+O", MFT_STRING, 0, 101},
      {file, 1, "", MFT_SEPARATOR, MFS_GRAYED, 0},  // a separator is grayed
      {file, 3, "E&xit", MFT_STRING, MF_GRAYED, 102},
      {menu.Get(), 1, "&Help", MFT_RIGHTJUSTIFY, MFS_CHECKED, 201},
  };
  for (const auto& item : items) {
    MENUITEMINFOA info = Record(MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU);
    const std::string label = "item " + std::to_string(item.position) + " " + item.text;
    ASSERT_TRUE(ReadMenuItem(item.menu, item.position, info)) << label;
    EXPECT_EQ(ItemText(item.menu, item.position), item.text);
    EXPECT_EQ(info.fType, item.type) << label;
    EXPECT_EQ(info.fState, item.state) << label;
    EXPECT_EQ(info.wID, item.id) << label;
    EXPECT_EQ(info.hSubMenu, nullptr) << label;
  }
}

TEST(Menus, BuildsTheExtendedFormat) {
  MenuTemplateBytes bytes = MenuTemplateBytes::Extended();
  bytes.ExtendedItem(0, 0, 300, 1, u"&Edit")
      .ExtendedItem(MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT, 301, 0, u"&Copy")
      .ExtendedItem(MFT_SEPARATOR, 0, 0, 0, u"")
      .ExtendedItem(0, MFS_GRAYED, 303, 0x80, u"&Paste")
      .ExtendedItem(0, 0, 304, 0x80, u"&View");
  const OwnedMenu menu(bytes);
  ASSERT_NE(menu.Get(), nullptr);
  ASSERT_EQ(MenuItemCount(menu.Get()), 2);
  EXPECT_EQ(ItemText(menu.Get(), 1), "&View");

  MENUITEMINFOA popup = Record(MIIM_ID | MIIM_SUBMENU);
  ASSERT_TRUE(ReadMenuItem(menu.Get(), 0, popup));
  EXPECT_EQ(popup.wID, 300u);
  ASSERT_EQ(MenuItemCount(popup.hSubMenu), 3);

  const struct {
    UINT position;
    const char* text;
    UINT type;
    UINT state;
    UINT id;
  } items[] = {
      {0, "&Copy", MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT, 301},
      {1, "", MFT_SEPARATOR, 0, 0},
      {2, "&Paste", MFT_STRING, MFS_GRAYED, 303},
  };
  for (const auto& item : items) {
    MENUITEMINFOA info = Record(MIIM_FTYPE | MIIM_STATE | MIIM_ID);
    ASSERT_TRUE(ReadMenuItem(popup.hSubMenu, item.position, info)) << item.text;
    EXPECT_EQ(ItemText(popup.hSubMenu, item.position), item.text);
    EXPECT_EQ(info.fType, item.type) << item.text;
    EXPECT_EQ(info.fState, item.state) << item.text;
    EXPECT_EQ(info.wID, item.id) << item.text;
  }
}

TEST(Menus, RefusesAnUnknownTemplateVersion) {
  MenuTemplateBytes bytes;
  bytes.Word(2).Word(0).Item(MF_END, 1, u"x");
  EXPECT_EQ(LoadMenuTemplate(bytes.Bytes().data(), bytes.Bytes().size()), nullptr);
}

TEST(Menus, CopiesTextAsTheSystemDoes) {
  MenuTemplateBytes bytes = MenuTemplateBytes::Normal();
  bytes.Item(0, 1, u"&Open").Item(0, 2, u"").Item(MF_END, 3, u"\u00D6ffnen");
  const OwnedMenu menu(bytes);
  ASSERT_NE(menu.Get(), nullptr);
  const std::string umlaut = Multibyte(u"\u00D6ffnen");
  const UINT umlautLength = static_cast<UINT>(umlaut.size());

  // At most cch - 1 characters and a NUL; cch then counts the characters copied. Without a
  // buffer, or with cch 0, cch receives the whole length and the buffer stays as it was.
  // MIIM_TYPE gives a separator no buffer back; MIIM_STRING empties it.
  const struct {
    UINT mask;
    UINT position;
    bool buffer;
    UINT cch;
    std::string text;
    UINT cchAfter;
  } cases[] = {
      {MIIM_TYPE, 0, true, 10, "&Open", 5},
      {MIIM_TYPE, 0, true, 6, "&Open", 5},
      {MIIM_TYPE, 0, true, 5, "&Ope", 4},
      {MIIM_TYPE, 0, true, 1, "", 0},
      {MIIM_TYPE, 0, true, 0, "untouched", 5},
      {MIIM_TYPE, 0, false, 10, "untouched", 5},
      {MIIM_STRING, 0, true, 5, "&Ope", 4},
      {MIIM_STRING, 0, false, 0, "untouched", 5},
      {MIIM_TYPE, 1, true, 10, "untouched", 0},
      {MIIM_STRING, 1, true, 10, "", 0},
      {MIIM_STRING, 1, false, 10, "untouched", 0},
      {MIIM_TYPE, 2, true, 100, umlaut, umlautLength},
      {MIIM_STRING, 2, true, umlautLength, umlaut.substr(0, umlautLength - 1), umlautLength - 1},
      {MIIM_STRING, 2, false, 0, "untouched", umlautLength},
  };
  for (const auto& c : cases) {
    char buffer[100] = "untouched";
    MENUITEMINFOA info = Record(c.mask);
    info.dwTypeData = c.buffer ? buffer : nullptr;
    info.cch = c.cch;
    ASSERT_TRUE(ReadMenuItem(menu.Get(), c.position, info));
    const std::string label = "mask " + std::to_string(c.mask) + " item " +
                              std::to_string(c.position) + " cch " + std::to_string(c.cch);
    EXPECT_EQ(info.cch, c.cchAfter) << label;
    if (c.text == "untouched") {
      EXPECT_EQ(std::string(buffer), c.text) << label;
      continue;
    }
    EXPECT_EQ(std::string(buffer, c.text.size()), c.text) << label;
#if !defined(_WIN32)
    // Wine, which runs the Windows build here, copies a cut text without its NUL.
    EXPECT_EQ(buffer[c.text.size()], '\0') << label;
#endif
  }
}

TEST(Menus, ReadsOnlyTheFieldsOfTheMask) {
  const OwnedMenu menu(NormalSample());
  ASSERT_NE(menu.Get(), nullptr);
  const HMENU file = SubMenu(menu.Get(), 0);
  ASSERT_NE(file, nullptr);

  MENUITEMINFOA info = Record(MIIM_ID);
  info.fType = 0x7777;
  info.fState = 0x7777;
  info.dwItemData = 0x7777;
  info.hSubMenu = file;  // cleared when not asked for
  ASSERT_TRUE(ReadMenuItem(menu.Get(), 0, info));
  EXPECT_EQ(info.fType, 0x7777u);
  EXPECT_EQ(info.fState, 0x7777u);
  EXPECT_EQ(info.dwItemData, 0x7777u);
  EXPECT_EQ(info.hSubMenu, nullptr);

  // MIIM_TYPE gives no buffer back for a separator.
  char buffer[16] = "x";
  info = Record(MIIM_TYPE);
  info.dwTypeData = buffer;
  info.cch = sizeof buffer;
  ASSERT_TRUE(ReadMenuItem(file, 1, info));
  EXPECT_EQ(info.fType, UINT(MFT_SEPARATOR));
  EXPECT_EQ(info.dwTypeData, nullptr);
  EXPECT_EQ(info.cch, 0u);

  // The record is taken whole or without hbmpItem; MIIM_TYPE does not mix with its successors.
  const struct {
    UINT size;
    UINT mask;
    bool read;
  } records[] = {
      {sizeof(MENUITEMINFOA), MIIM_DATA, true},
      {ShortRecord, MIIM_DATA, true},
      {0, MIIM_DATA, false},
      {ShortRecord - 4, MIIM_DATA, false},
      {sizeof(MENUITEMINFOA) + 4, MIIM_DATA, false},
      {ShortRecord, MIIM_TYPE | MIIM_STRING, false},
      {ShortRecord, MIIM_TYPE | MIIM_FTYPE, false},
  };
  for (const auto& r : records) {
    MENUITEMINFOA record = Record(r.mask, r.size);
    EXPECT_EQ(ReadMenuItem(file, 0, record), r.read) << r.size << " " << r.mask;
    EXPECT_EQ(WriteMenuItem(file, 0, record), r.read) << r.size << " " << r.mask;
  }
  // A short record leaves hbmpItem, which lies outside it, alone.
  MENUITEMINFOA whole = Record(MIIM_ID | MIIM_BITMAP, sizeof(MENUITEMINFOA));
  whole.cbSize = ShortRecord;
  whole.hbmpItem = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(0x5555));
  ASSERT_TRUE(ReadMenuItem(file, 0, whole));
  EXPECT_EQ(whole.wID, 101u);
  EXPECT_EQ(whole.hbmpItem, reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(0x5555)));
}

TEST(Menus, WritesTheFieldsOfTheMask) {
  const OwnedMenu menu(NormalSample());
  ASSERT_NE(menu.Get(), nullptr);
  const HMENU file = SubMenu(menu.Get(), 0);
  const auto bitmap = [](std::uintptr_t value) { return reinterpret_cast<HBITMAP>(value); };

  char text[] = "&Quit\tAlt+F4";
  MENUITEMINFOA info = Record(MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_CHECKMARKS);
  info.fType = MFT_RADIOCHECK;
  info.dwTypeData = text;
  info.fState = MFS_CHECKED;
  info.wID = 900;
  info.dwItemData = 0xABCD;
  info.hbmpChecked = bitmap(0x100);
  info.hbmpUnchecked = bitmap(0x200);
  ASSERT_TRUE(WriteMenuItem(file, 3, info));

  // Only the item's data: the rest stays.
  MENUITEMINFOA data = Record(MIIM_DATA);
  data.dwItemData = 0x1234;
  data.wID = 5;
  ASSERT_TRUE(WriteMenuItem(file, 3, data));

  MENUITEMINFOA read = Record(MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_CHECKMARKS);
  ASSERT_TRUE(ReadMenuItem(file, 3, read));
  EXPECT_EQ(ItemText(file, 3), "&Quit\tAlt+F4");
  EXPECT_EQ(read.fType, UINT(MFT_RADIOCHECK));
  EXPECT_EQ(read.fState, UINT(MFS_CHECKED));
  EXPECT_EQ(read.wID, 900u);
  EXPECT_EQ(read.dwItemData, 0x1234u);
  EXPECT_EQ(read.hbmpChecked, bitmap(0x100));
  EXPECT_EQ(read.hbmpUnchecked, bitmap(0x200));

  // MIIM_STRING alone changes the text; the buffer is read as the process's encoding.
  std::string umlaut = Multibyte(u"\u00C4ndern");
  MENUITEMINFOA rename = Record(MIIM_STRING);
  rename.dwTypeData = umlaut.data();
  ASSERT_TRUE(WriteMenuItem(file, 0, rename));
  EXPECT_EQ(ItemText(file, 0), umlaut);

  // A bitmap type goes through MIIM_BITMAP or MIIM_TYPE, not MIIM_FTYPE.
  MENUITEMINFOA bitmapType = Record(MIIM_FTYPE);
  bitmapType.fType = MFT_BITMAP;
  EXPECT_FALSE(WriteMenuItem(file, 0, bitmapType));
}

TEST(Menus, SubmenusBelongToTheirMenu) {
  const HMENU menu = Build(NormalSample());
  ASSERT_NE(menu, nullptr);
  const HMENU file = SubMenu(menu, 0);
  const HMENU recent = SubMenu(file, 2);
  ASSERT_TRUE(IsMenuHandle(file));
  ASSERT_TRUE(IsMenuHandle(recent));

  // A submenu must be a menu, and must not hold the item's own menu.
  MENUITEMINFOA loop = Record(MIIM_SUBMENU);
  loop.hSubMenu = menu;
  EXPECT_FALSE(WriteMenuItem(recent, 0, loop));
  EXPECT_FALSE(WriteMenuItem(menu, 1, loop));

  // A second menu becomes a submenu of the first and is destroyed with it.
  const HMENU other = Build(NormalSample());
  ASSERT_NE(other, nullptr);
  MENUITEMINFOA attach = Record(MIIM_SUBMENU);
  attach.hSubMenu = other;
  ASSERT_TRUE(WriteMenuItem(menu, 1, attach));
  EXPECT_EQ(SubMenu(menu, 1), other);

  EXPECT_TRUE(DestroyMenuTree(menu));
  for (const HMENU gone : {menu, file, recent, other}) {
    EXPECT_FALSE(IsMenuHandle(gone));
    EXPECT_FALSE(DestroyMenuTree(gone));
  }
  MENUITEMINFOA dangling = Record(MIIM_SUBMENU);
  dangling.hSubMenu = file;
  const OwnedMenu fresh(NormalSample());
  EXPECT_FALSE(WriteMenuItem(fresh.Get(), 1, dangling));
}

TEST(Menus, UnknownHandlesAndPositionsFailCleanly) {
  const HMENU destroyed = Build(NormalSample());
  ASSERT_TRUE(DestroyMenuTree(destroyed));
  int local = 0;
  const OwnedMenu live(NormalSample());

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
  EXPECT_FALSE(ReadMenuItem(live.Get(), 0xFFFFFFFF, info));
  EXPECT_EQ(MenuItemCount(live.Get()), 2);
}

}  // namespace
