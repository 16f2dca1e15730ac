#include "corekit/winres/menu_template.h"

#include <gtest/gtest.h>

#include "tests/winres/menu_template_bytes.h"

namespace {

using corekit::winres::MenuTemplateItem;
using corekit::winres::ReadMenuTemplate;

// A menu of popups nested to the depth, around one item.
std::vector<BYTE> Nested(int depth) {
  MenuTemplateBytes bytes = MenuTemplateBytes::Normal();
  for (int level = 0; level < depth; ++level) bytes.Popup(MF_END, u"p");
  return bytes.Item(MF_END, 1, u"x").Bytes();
}

// The reading of well-formed templates is tested through the menus built from them; here the
// bytes that are not.
TEST(MenuTemplate, RefusesMalformedBytes) {
  const std::vector<BYTE> good = MenuTemplateBytes::Normal()
                                     .Popup(0, u"&File")
                                     .Item(0, 101, u"&Open")
                                     .Item(MF_END, 102, u"E&xit")
                                     .Item(MF_END, 201, u"&Help")
                                     .Bytes();
  std::vector<MenuTemplateItem> items;
  ASSERT_TRUE(ReadMenuTemplate(good.data(), good.size(), items));
  // Every cut of the template runs out of bytes somewhere, and leaves no items.
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
      {"extended without end flag",
       MenuTemplateBytes::Extended().ExtendedItem(0, 0, 1, 0, u"x").Bytes(), false},
      {"deepest nesting", Nested(corekit::winres::MenuTemplateMaxDepth), true},
      {"nested too deeply", Nested(corekit::winres::MenuTemplateMaxDepth + 1), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMenuTemplate(c.bytes.data(), c.bytes.size(), items), c.read) << c.label;
  }
  EXPECT_FALSE(ReadMenuTemplate(nullptr, 0, items));
}

}  // namespace
