#include "corekit/platform/multibyte_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "tests/support/double_byte_locale.h"
#include "tests/support/process_encoding.h"

namespace {

using namespace corekit::platform;

// Offset of a found position in text, -1 for none.
long Offset(const std::string& text, const char* found) {
  return found ? found - text.c_str() : -1;
}

struct SearchCase {
  std::string text;
  char c;
  long first;
  long last;
};

void ExpectSearches(const SearchCase& c) {
  EXPECT_EQ(Offset(c.text, MultibyteFind(c.text.c_str(), c.c)), c.first) << c.text;
  EXPECT_EQ(Offset(c.text, MultibyteFindLast(c.text.c_str(), c.c)), c.last) << c.text;
}

TEST(MultibyteText, SearchesSingleByteText) {
  const SearchCase cases[] = {
      {"C:\\data\\x.txt", '\\', 2, 7},
      {"no separator", '\\', -1, -1},
      {"", '.', -1, -1},
  };
  for (const SearchCase& c : cases) ExpectSearches(c);
  // Latin-1 bytes are whole characters, unless the encoding reads them as lead bytes.
  if (!ProcessEncodingIsDoubleByte()) ExpectSearches({"\xE4.\xF6", '.', 1, 1});
  const std::string path = "dir/sub\\x";
  EXPECT_EQ(Offset(path, MultibyteFindAny(path.c_str(), "\\/")), 3);
  EXPECT_EQ(MultibyteFindAny(path.c_str(), ":"), nullptr);
  EXPECT_EQ(Offset(path, MultibytePrevious(path.c_str(), path.c_str() + 4)), 3);
  EXPECT_EQ(MultibytePrevious(path.c_str(), path.c_str()), nullptr);
}

// The searches on double-byte text are tested through their users (SplitPath, AppPaths);
// "\x81\x5C" is one character whose trail byte is a backslash.
TEST(MultibyteText, PreviousStepsOverWholeDoubleByteCharacters) {
  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  const std::string text = "\x81\x5C/x";
  EXPECT_EQ(Offset(text, MultibytePrevious(text.c_str(), text.c_str() + 3)), 2);
  EXPECT_EQ(Offset(text, MultibytePrevious(text.c_str(), text.c_str() + 2)), 0);
}

// The offset of the first byte that starts no character.
struct InvalidCase {
  std::string text;
  std::size_t invalidAt;
};

void ExpectInvalidAt(const InvalidCase& c) {
  EXPECT_EQ(MultibyteInvalidAt(c.text.data(), c.text.size()), c.invalidAt) << c.text;
}

// In GBK a lead byte without its trail starts no character.
TEST(MultibyteText, FindsTheFirstInvalidByte) {
  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  const InvalidCase cases[] = {{"a\x81\x5C.", 4}, {"ab\x81", 2}, {std::string("a\0b", 3), 3}};
  for (const InvalidCase& c : cases) ExpectInvalidAt(c);
}

#if !defined(_WIN32)
// UTF-8 (POSIX only, where a process can run in it) is searched by byte; the character before a
// position is found by stepping back over continuation bytes, and a broken sequence counts byte by
// byte. A stray or cut sequence starts no character.
TEST(MultibyteText, Utf8TextIsSearchedByByte) {
  const std::string encoding = std::setlocale(LC_CTYPE, nullptr);
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  const SearchCase cases[] = {
      {"C:\\d\xC3\xA4t\xC3\xA4\\\xE2\x82\xAC.txt", '\\', 2, 9},
      {"\xF0\x9F\x98\x80.\xF0\x9F\x98\x80.x", '.', 4, 9},
  };
  for (const SearchCase& c : cases) ExpectSearches(c);
  const struct {
    std::string text;
    long previous;  // of the end of the text
  } previous[] = {
      {"a\xC3\xA4", 1}, {"a\xF0\x9F\x98\x80", 1}, {"a\x82\xAC", 2},  // continuations without a lead
      {"a\xE2\x82", 2},  // a lead whose sequence is cut short
      {"\xC3\xA4", 0},   // the first character
  };
  for (const auto& c : previous) {
    EXPECT_EQ(Offset(c.text, MultibytePrevious(c.text.c_str(), c.text.c_str() + c.text.size())),
              c.previous)
        << c.text;
  }
  const InvalidCase invalid[] = {{"d\xC3\xA4t", 4}, {"a\xC3(", 1}, {"\x82x", 0}, {"ok\xE2\x82", 2}};
  for (const InvalidCase& c : invalid) ExpectInvalidAt(c);
  std::setlocale(LC_CTYPE, encoding.c_str());
}
#endif

}  // namespace
