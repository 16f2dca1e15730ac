#include "tools/language_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolLanguageText, HexadecimalOrDecimalIdentifiers) {
  const struct {
    const char* text;
    bool ok;
    std::uint16_t language;
  } cases[] = {
      {"0x0407", true, 0x0407}, {"0X40c", true, 0x040C},
      {"0x9", true, 9},         {"1031", true, 0x0407},
      {"0", true, 0},           {"65535", true, 0xFFFF},
      {"0xFFFF", true, 0xFFFF}, {"0x00000407", true, 0x0407},
      {"65536", false, 0},      {"0x10000", false, 0},
      {"0x", false, 0},         {"0x04g7", false, 0},
      {"-1", false, 0},         {"", false, 0},
      {"german", false, 0},     {" 1031", false, 0},
  };
  for (const auto& c : cases) {
    std::uint16_t language = 0;
    EXPECT_EQ(corekit::tool::ParseLanguage(c.text, language), c.ok) << c.text;
    EXPECT_EQ(language, c.language) << c.text;  // left 0 when refused
  }
}

}  // namespace
