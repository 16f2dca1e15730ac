#include "corekit/translate/encoding_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EncodingCase {
  const char* encoding;
  std::string text;
  std::size_t invalidAt;  // the text's size when all of it is valid
};

// The same bytes on every system and in every locale: ICU on POSIX, the Windows code page there.
TEST(EncodingCheck, FindsTheFirstByteThatIsNoCharacterOfTheNamedEncoding) {
  const EncodingCase cases[] = {
      // GBK: a lead byte needs a trail of 0x40-0x7E or 0x80-0xFE; 0x5C may be that trail.
      {"GBK", "a\x81\x40\x81\x5C\xD6\xD0", 7},
      {"GBK", "ab\x81", 2},
      {"GBK", "a\x81\x7F", 1},
      {"GBK", "a\x81\n", 1},
      {"936", "a\x81\x7F", 1},
      // cp1252 leaves five bytes undefined; ISO-8859-1 reads them as its C1 controls.
      {"cp1252", "\x80\x8E\x9F\xE9", 4},
      {"cp1252", "a\x81", 1},
      {"windows-1252", "a\x8D", 1},
      {"1252", "a\x8F", 1},
      {"cp1252", "a\x90", 1},
      {"cp1252", "a\x9D", 1},
      {"ISO-8859-1", "\x81\x8D\x8F\x90\x9D\xFF", 6},
      {"latin1", "\x81", 1},
      // UTF-8: overlong forms, surrogates, code points past U+10FFFF and cut sequences.
      {"UTF-8", "\xC3\xA9\xE4\xB8\x80\xF0\x9F\x98\x80", 9},
      {"UTF-8", "a\xC0\x80", 1},
      {"UTF-8", "a\xE0\x80\xAF", 1},
      {"UTF-8", "a\xED\xA0\x80", 1},
      {"UTF-8", "a\xF4\x90\x80\x80", 1},
      {"UTF-8", "ab\xE4\xB8", 2},
      {"65001", "a\xE9", 1},
      // Valid in one encoding, not in another.
      {"UTF-8", "\xD6\xD0\xCE\xC4", 0},
      {"cp1252", "\xD6\xD0\xCE\xC4", 4},
  };
  for (const EncodingCase& c : cases) {
    const TEncodingCheck check(c.encoding);
    ASSERT_TRUE(check.Known()) << c.encoding;
    EXPECT_EQ(check.InvalidAt(c.text.data(), c.text.size()), c.invalidAt)
        << c.encoding << ' ' << c.text;
  }
  EXPECT_FALSE(TEncodingCheck("no-such-encoding").Known());
  EXPECT_FALSE(TEncodingCheck("").Known());
}

}  // namespace
