#include "corekit/platform/menu_template.h"

#include <gtest/gtest.h>

#include "tests/platform/menu_template_bytes.h"

namespace {

using corekit::platform::MenuTemplateItem;
using corekit::platform::ReadMenuTemplate;

// The items as one line: text, then flags, id and popup children in brackets.
std::string Outline(const std::vector<MenuTemplateItem>& items) {
  std::string text;
  for (const MenuTemplateItem& item : items) {
    if (!text.empty()) text += " | ";
    text += std::string(item.text.begin(), item.text.end());
    text += " t" + std::to_string(item.type) + " s" + std::to_string(item.state) + " #" +
            std::to_string(item.id);
    if (item.popup) text += " {" + Outline(item.children) + "}";
  }
  return text;
}

std::vector<BYTE> NormalSample() {
  return MenuTemplateBytes::Normal()
      .Popup(0, u"&File")
      .Item(0, 101, u"&Open\tCtrl+O")
      .Item(0, 0, u"")
      .Popup(MF_GRAYED, u"&Recent")
      .Item(MF_END | MF_CHECKED, 111, u"&Clear")
      .Item(MF_END | MF_MENUBREAK | MF_DISABLED, 102, u"E&xit")
      .Item(MF_END | MF_HELP, 201, u"&About")
      .Bytes();
}

TEST(MenuTemplate, ReadsTheNormalFormat) {
  std::vector<MenuTemplateItem> items;
  const std::vector<BYTE> bytes = NormalSample();
  ASSERT_TRUE(ReadMenuTemplate(bytes.data(), bytes.size(), items));
  // The empty item is a grayed separator (0x800, 3); MF_END is no state (0x80); MF_HELP is
  // MFT_RIGHTJUSTIFY (0x4000).
  EXPECT_EQ(Outline(items),
            "&File t0 s0 #0 {&Open\tCtrl+O t0 s0 #101 |  t2048 s3 #0 | "
            "&Recent t0 s1 #0 {&Clear t0 s8 #111} | E&xit t64 s2 #102} | &About t16384 s0 #201");
}

TEST(MenuTemplate, ReadsTheExtendedFormat) {
  // Texts of odd and even length, so that both paddings occur.
  const std::vector<BYTE> bytes =
      MenuTemplateBytes::Extended()
          .ExtendedItem(0, 0, 300, 1, u"&Edit")
          .ExtendedItem(MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT, 301, 0, u"&Copy")
          .ExtendedItem(MFT_SEPARATOR, 0, 0, 0, u"")
          .ExtendedItem(0, 0, 302, 0, u"")
          .ExtendedItem(0, MFS_GRAYED | 0x10000, 303, 0x80, u"&Paste")
          .ExtendedItem(MFT_RIGHTJUSTIFY | 0x80000, 0, 304, 0x80, u"&Go")
          .Bytes();
  std::vector<MenuTemplateItem> items;
  ASSERT_TRUE(ReadMenuTemplate(bytes.data(), bytes.size(), items));
  // A popup keeps its id; an empty text makes a separator; unknown bits are dropped.
  EXPECT_EQ(Outline(items),
            "&Edit t0 s0 #300 {&Copy t512 s4104 #301 |  t2048 s0 #0 |  t2048 s0 #302 | "
            "&Paste t0 s3 #303} | &Go t16384 s0 #304");
}

TEST(MenuTemplate, RefusesMalformedBytes) {
  const std::vector<BYTE> good = NormalSample();
  std::vector<MenuTemplateItem> items;
  // Every cut of a good template runs out of bytes somewhere.
  for (std::size_t size = 5; size < good.size(); ++size) {
    EXPECT_FALSE(ReadMenuTemplate(good.data(), size, items)) << size;
    EXPECT_TRUE(items.empty()) << size;
  }
  const struct {
    const char* label;
    std::vector<BYTE> bytes;
    bool read;
  } cases[] = {
      {"header only", MenuTemplateBytes::Normal().Bytes(), true},
      {"extended header only", MenuTemplateBytes::Extended().Bytes(), true},
      {"version 2", MenuTemplateBytes().Word(2).Word(0).Item(MF_END, 1, u"x").Bytes(), false},
      {"offset past the end", MenuTemplateBytes().Word(0).Word(40).Bytes(), false},
      {"offset skips a word",
       MenuTemplateBytes().Word(0).Word(2).Word(0xEEEE).Item(MF_END, 1, u"x").Bytes(), true},
      {"no end flag", MenuTemplateBytes::Normal().Item(0, 1, u"x").Bytes(), false},
      {"text without end", MenuTemplateBytes::Normal().Word(MF_END).Word(1).Word('x').Bytes(),
       false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMenuTemplate(c.bytes.data(), c.bytes.size(), items), c.read) << c.label;
  }
  EXPECT_FALSE(ReadMenuTemplate(nullptr, 0, items));
}

TEST(MenuTemplate, RefusesPopupsNestedTooDeeply) {
  const auto nested = [](int depth) {
    MenuTemplateBytes bytes = MenuTemplateBytes::Normal();
    for (int level = 0; level < depth; ++level) bytes.Popup(MF_END, u"p");
    bytes.Item(MF_END, 1, u"x");
    return bytes.Bytes();
  };
  std::vector<MenuTemplateItem> items;
  const std::vector<BYTE> deepest = nested(corekit::platform::MenuTemplateMaxDepth);
  EXPECT_TRUE(ReadMenuTemplate(deepest.data(), deepest.size(), items));
  const std::vector<BYTE> tooDeep = nested(corekit::platform::MenuTemplateMaxDepth + 1);
  EXPECT_FALSE(ReadMenuTemplate(tooDeep.data(), tooDeep.size(), items));
}

}  // namespace
