#include "tools/dict_document.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ToolDictDocument, CommentTextsReadBack) {
  const std::string texts[] = {"[a] b", "\\n", "tab\there", "\\x5b", "end\\"};
  for (const std::string& text : texts) {
    const std::string escaped = corekit::tool::EscapeCommentText(text);
    EXPECT_EQ(escaped.find_first_of("[]\n\t"), std::string::npos) << escaped;
    EXPECT_EQ(corekit::tool::UnescapeCommentText(escaped), text) << escaped;
  }
}

TEST(ToolDictDocument, ReadsPairsCommentsAndStraysByLine) {
  const auto document = corekit::tool::ParseDictDocument(
      "# head\n"
      "\n"
      "#: string 1\n"
      "[One][Eins]\n"
      "[Two\\n][Zwei [2]]\n"  // the value ends at the first "]"
      "# [not a comment\n"    // the "[" starts a key
      "][x]\n"
      "# ---- obsolete: gone from the module, kept for reference; not read ----\n"
      "#: string 9\n"
      "#~ Old \\x5bx\\x5d\n"
      "#~= Alt\n"
      "# end\n"
      "[Open][");
  ASSERT_EQ(document.entries.size(), 3u);
  EXPECT_EQ(document.entries[0].key, "One");
  EXPECT_EQ(document.entries[0].line, 4);
  EXPECT_EQ(document.header, std::vector<std::string>{"# head"});
  EXPECT_EQ(document.entries[0].comments, std::vector<std::string>{"#: string 1"});
  EXPECT_EQ(document.entries[0].References(), std::vector<std::string>{"string 1"});
  EXPECT_EQ(document.entries[1].key, "Two\n");
  EXPECT_EQ(document.entries[1].value, "Zwei [2");
  EXPECT_EQ(document.entries[2].key, "not a comment\n");
  EXPECT_EQ(document.entries[2].line, 6);
  ASSERT_EQ(document.obsolete.size(), 1u);
  EXPECT_EQ(document.obsolete[0].key, "Old [x]");
  EXPECT_EQ(document.obsolete[0].value, "Alt");
  EXPECT_EQ(document.obsolete[0].References(), std::vector<std::string>{"string 9"});
  EXPECT_EQ(document.trailing, std::vector<std::string>{"# end"});
  std::vector<int> strayLines;
  for (const auto& stray : document.strays) strayLines.push_back(stray.line);
  EXPECT_EQ(strayLines, (std::vector<int>{5, 6, 13}));  // "]", "[" in a comment, incomplete pair
}

}  // namespace
