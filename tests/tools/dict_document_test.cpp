#include "tools/dict_document.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scratch_folder.h"

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

// Files read in blocks of three bytes: text mode across the blocks' ends, and the bytes that end
// the text.
TEST(ToolDictDocument, ReaderReadsInTextModeAcrossBlocks) {
  const struct {
    std::string bytes, text;
    int zeroLine, endOfFileLine;
  } cases[] = {
      {"ab\r\ncd\r\n\r", "ab\ncd\n\r", 0, 0},        {"a\r\r\nb\rc", "a\r\nb\rc", 0, 0},
      {"ab\ncd\x1A\r\n \x1A", "ab\ncd", 0, 0},       {"ab\ncd\x1A\n[c]", "ab\ncd", 0, 2},
      {std::string("a\nb\r\0c", 6), "a\nb\r", 2, 0},
  };
  const ScratchFolder folder;
  for (const auto& c : cases) {
    folder.Write("d.txt", c.bytes);
    corekit::tool::DictFileReader reader(3);
    ASSERT_TRUE(reader.Open(folder.Entry("d.txt")));
    std::string text;
    while (reader.Read(text)) {
    }
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(reader.ZeroByteLine(), c.zeroLine) << c.text;
    EXPECT_EQ(reader.EndOfFileByteLine(), c.endOfFileLine) << c.text;
  }
  corekit::tool::DictFileReader reader;
  EXPECT_FALSE(reader.Open(folder.Path()));
}

// A file read in small pieces gives the document of its whole text: pairs that span lines and
// pieces, several on a line, "[" in a comment line, the header, the obsolete section.
TEST(ToolDictDocument, PiecesMakeTheDocumentOfTheWholeText) {
  const std::string text =
      "\xEF\xBB\xBF# head\n\n# note\n[One][Eins] [Two\nlines][Zwei\nZeilen]\n"
      "  # [in a comment][x]\n#: string 3\n[Three][Drei]]\n# end\n"
      "# ---- obsolete: gone from the module, kept for reference; not read ----\n\n"
      "#: string 9\n#~ Old\n#~= Alt\n[Open][";
  const ScratchFolder folder;
  folder.Write("d.txt", text);
  const auto whole = corekit::tool::ParseDictDocument(text);
  for (const std::size_t block : {1, 5, 64}) {
    corekit::tool::DictDocument read;
    corekit::tool::DictFileReader reader(block);
    ASSERT_TRUE(corekit::tool::ReadDictPieces(
        folder.Entry("d.txt"), reader, [&](const std::string&, int, auto& piece) {
          read.header.insert(read.header.end(), piece.header.begin(), piece.header.end());
          read.entries.insert(read.entries.end(), piece.entries.begin(), piece.entries.end());
          read.strays.insert(read.strays.end(), piece.strays.begin(), piece.strays.end());
          read.obsolete.insert(read.obsolete.end(), piece.obsolete.begin(), piece.obsolete.end());
          read.trailing.insert(read.trailing.end(), piece.trailing.begin(), piece.trailing.end());
        }));
    EXPECT_EQ(corekit::tool::WriteDictDocument(read), corekit::tool::WriteDictDocument(whole));
    ASSERT_EQ(read.entries.size(), whole.entries.size());
    for (std::size_t i = 0; i < whole.entries.size(); ++i)
      EXPECT_EQ(read.entries[i].line, whole.entries[i].line) << block;
    ASSERT_EQ(read.strays.size(), whole.strays.size());
    for (std::size_t i = 0; i < whole.strays.size(); ++i)
      EXPECT_EQ(read.strays[i].line, whole.strays[i].line) << block;
  }
  EXPECT_EQ(whole.header, std::vector<std::string>{"# head"});
  EXPECT_EQ(whole.strays.size(), 3u);
}

}  // namespace
