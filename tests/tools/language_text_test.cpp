#include "tools/language_text.h"

#include <gtest/gtest.h>

namespace {

// The number reader (0x in either case, leading zeros, blanks, an empty text) is shared with the
// error codes and tested with them (ToolErrorCommand); here the range of a language identifier and
// a bad hexadecimal digit, which only this table has, and names as people write them.
TEST(ToolLanguageText, IdentifiersAndNames) {
  const struct {
    const char* text;
    bool ok;
    std::uint16_t language;
  } cases[] = {
      {"0x0407", true, 0x0407},
      {"1031", true, 0x0407},
      {"0x9", true, 9},
      {"0", true, 0},
      {"65535", true, 0xFFFF},
      {"0xFFFF", true, 0xFFFF},
      {"65536", false, 0},
      {"0x10000", false, 0},
      {"-1", false, 0},
      {"0x04g7", false, 0},
      {"german", false, 0},
      {"de", true, 0x0407},
      {"de_DE", true, 0x0407},
      {"de-DE", true, 0x0407},
      {"DE-de", true, 0x0407},
      {"de_AT", true, 0x0C07},
      {"fr-CA", true, 0x0C0C},
      {"fr", true, 0x040C},
      {"zh", true, 0x0804},
      {"zh_TW", true, 0x0404},
      {"de_DE.UTF-8", true, 0x0407},
      {"de_DE@euro", true, 0x0407},
      {"xx", false, 0},
      {"de-XX", false, 0},
      {"de-", false, 0},
      {"d", false, 0},
      {"de-DE-1996", false, 0},
  };
  for (const auto& c : cases) {
    std::uint16_t language = 0;
    EXPECT_EQ(corekit::tool::ParseLanguage(c.text, language), c.ok) << c.text;
    EXPECT_EQ(language, c.language) << c.text;  // left 0 when refused
  }
}

}  // namespace
