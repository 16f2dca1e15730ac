#include "corekit/core/kstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

TEST(KString, ConstructionAndConversion) {
  const char* const null = nullptr;
  EXPECT_STREQ(KString(), "");
  EXPECT_STREQ(KString(null), "");
  EXPECT_STREQ(KString("report.txt", 0, 6), "report");
  EXPECT_STREQ(KString("report.txt", 7, 3), "txt");
  EXPECT_STREQ(KString("report.txt", 3, -4), "");
  EXPECT_STREQ(KString(null, 0, 4), "");
  EXPECT_TRUE(KString("").IsEmpty());
  // A character range may hold NULs: the length counts them.
  EXPECT_EQ(KString("a\0b", 0, 3).GetLength(), 3);
}

struct MidCase {
  const char* text;
  int start;
  int count;
  const char* expected;
};

TEST(KString, MidTakesRangesAndClampsTheRest) {
  const MidCase cases[] = {
      {"abcdef", 2, -1, "cdef"}, {"abcdef", 6, -1, ""},   {"abcdef", 9, 1, ""},
      {"abcdef", -2, 2, "ab"},   {"abcdef", 4, 10, "ef"}, {"abcdef", 1, -5, ""},
      {"", 0, -1, ""},           {"abcdef", 3, 0, ""},
  };
  for (const MidCase& c : cases) {
    EXPECT_STREQ(KString(c.text).Mid(c.start, c.count), c.expected)
        << c.text << " from " << c.start << " count " << c.count;
  }
  EXPECT_STREQ(KString("abcdef").Left(-1), "");
  EXPECT_STREQ(KString("abcdef").Right(2), "ef");
  EXPECT_STREQ(KString("abcdef").Right(20), "abcdef");
}

TEST(KString, CopiesAreIndependentValues) {
  KString a("shared text");
  KString b(a);
  KString c;
  c = a;
  b += " changed";
  c.Replace("text", "words");
  EXPECT_STREQ(a, "shared text");
  EXPECT_STREQ(b, "shared text changed");
  EXPECT_STREQ(c, "shared words");

  KString moved(static_cast<KString&&>(b));
  EXPECT_STREQ(moved, "shared text changed");
  EXPECT_STREQ(b, "");  // NOLINT(bugprone-use-after-move): a moved-from string is empty

  KString self("self");
  const KString& alias = self;
  self = alias;
  EXPECT_STREQ(self, "self");
}

TEST(KString, AppendingItsOwnCharacters) {
  KString text("abc");
  text += text;
  EXPECT_STREQ(text, "abcabc");
  // Appending from inside the string while it must grow.
  for (int i = 0; i < 5; ++i) text += text.GetString() + 1;
  EXPECT_EQ(text.GetLength(), 6 + 5 + 10 + 20 + 40 + 80);
  KString assign("abcdef");
  assign = assign.GetString() + 2;
  EXPECT_STREQ(assign, "cdef");
}

TEST(KString, Concatenation) {
  const KString left("left");
  EXPECT_STREQ(left + "right", "leftright");
  EXPECT_STREQ("pre" + left, "preleft");
  EXPECT_STREQ(left + KString("+"), "left+");
  EXPECT_STREQ(left + '!', "left!");
  EXPECT_STREQ(left + static_cast<const char*>(nullptr), "left");
}

TEST(KString, CompareOrdersBytes) {
  EXPECT_GT(KString("abc").Compare("ab"), 0);
  EXPECT_LT(KString("Abc").Compare("abc"), 0);
  EXPECT_GT(KString("\xe4").Compare("z"), 0);  // bytes above 127 order after ASCII
  EXPECT_EQ(KString("MiXed").CompareNoCase("mixed"), 0);
  EXPECT_TRUE(KString("same") == "same");
  EXPECT_TRUE(KString("same") != KString("Same"));
  EXPECT_TRUE(KString("a\0b", 0, 3) != KString("a\0c", 0, 3));
}

struct ReplaceCase {
  const char* text;
  const char* oldText;
  const char* newText;
  int hits;
  const char* expected;
};

TEST(KString, ReplaceCountsEveryOccurrence) {
  const ReplaceCase cases[] = {
      {"a.b.c", ".", "\\", 2, "a\\b\\c"}, {"aaaa", "aa", "b", 2, "bb"},
      {"abc", "x", "y", 0, "abc"},        {"abc", "", "y", 0, "abc"},
      {"abc", "abc", "", 1, ""},          {"%s and %s", "%s", "%s%s", 2, "%s%s and %s%s"},
  };
  for (const ReplaceCase& c : cases) {
    KString text(c.text);
    EXPECT_EQ(text.Replace(c.oldText, c.newText), c.hits) << c.text;
    EXPECT_STREQ(text, c.expected) << c.text;
  }
}

TEST(KString, FindAndReverseFind) {
  const KString text("path/to/file.txt");
  EXPECT_EQ(text.Find('/'), 4);
  EXPECT_EQ(text.Find('/', 5), 7);
  EXPECT_EQ(text.Find('#'), -1);
  EXPECT_EQ(text.Find("to"), 5);
  EXPECT_EQ(text.Find("file", 9), -1);
  EXPECT_EQ(text.Find('t', 100), -1);
  EXPECT_EQ(text.ReverseFind('t'), 15);  // the last character too
  EXPECT_EQ(text.ReverseFind('#'), -1);
}

TEST(KString, FormatAndBuffer) {
  KString text;
  text.Format("%s-%04d", "week", 303);
  EXPECT_STREQ(text, "week-0303");
  text.Format("%s", std::string(5000, 'x').c_str());
  EXPECT_EQ(text.GetLength(), 5000);

  KString buffer("keep");
  char* chars = buffer.GetBuffer(16);
  std::strcpy(chars + 4, " more");
  buffer.ReleaseBuffer();
  EXPECT_STREQ(buffer, "keep more");
  EXPECT_EQ(buffer.GetLength(), 9);

  // Editing through the buffer leaves copies untouched.
  KString original("copy");
  KString copy(original);
  copy.GetBuffer(4)[0] = 'C';
  copy.ReleaseBuffer(4);
  EXPECT_STREQ(original, "copy");
  EXPECT_STREQ(copy, "Copy");
}

TEST(KString, MeetsTheStandardLibrary) {
  const std::string bytes("a\0b", 3);
  const KString fromString = bytes;
  const KString fromView = std::string_view(bytes);
  const std::string back(std::string_view{fromString});
  const std::string_view view = fromView;
  EXPECT_EQ(back, bytes);
  EXPECT_EQ(view, bytes);
  EXPECT_TRUE(fromString == bytes && bytes == fromString && fromView == view && view == fromView);
  EXPECT_FALSE(fromString == std::string_view("a"));
  EXPECT_TRUE(KString("a") != std::string("b"));

  std::ostringstream stream;
  stream << std::setw(5) << std::setfill('.') << fromString;
  EXPECT_EQ(stream.str(), std::string("..a\0b", 5));

  std::unordered_set<KString> set{KString("x"), KString(std::string("x")), KString("y")};
  EXPECT_EQ(set.size(), 2u);
  EXPECT_EQ(std::hash<KString>()(fromString), std::hash<std::string_view>()(bytes));
}

}  // namespace
