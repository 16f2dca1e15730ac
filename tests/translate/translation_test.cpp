#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "corekit/core/app_info.h"
#include "corekit/platform/path_conventions.h"
#include "corekit/translate/dictionary_text.h"
#include "corekit/translate/translate_text.h"
#include "corekit/translate/translation_dict.h"
#include "tests/support/double_byte_locale.h"
#include "tests/support/scratch_folder.h"
#include "tests/translate/dictionary_files.h"

namespace {

struct Lookup {
  const char* text;
  bool reverse;
  const char* result;
};

struct ParseCase {
  const char* label;
  std::string dictionary;
  std::vector<Lookup> lookups;
};

TEST(TranslationDict, ReadsBracketedPairs) {
  const ParseCase cases[] = {
      {"a pair",
       "[File not found][Datei nicht gefunden]",
       {{"File not found", false, "Datei nicht gefunden"},
        {"Datei nicht gefunden", true, "File not found"},
        {"file not found", false, ""}}},
      {"first pair wins in each direction",
       "[a][1][a][2][b][1]",
       {{"a", false, "1"}, {"b", false, "1"}, {"1", true, "a"}, {"2", true, "a"}}},
      {"blanks belong to the text", "[ a ][ b ]", {{" a ", false, " b "}, {"a", false, ""}}},
      {"escapes in order", "[x\\\\n][y]", {{"x\\\n", false, "y"}, {"x\\\\n", false, ""}}},
      {"text outside pairs",
       "comment\n[a][b]\n  more text ] here\n[c]\n\n[d]",
       {{"a", false, "b"}, {"c", false, "d"}}},
      {"a comment with a bracket starts a key",
       "note [here\n[a][b]",
       {{"here\n[a", false, "b"}, {"a", false, ""}}},
      {"incomplete pair at the end",
       "[Open][Offen][Save][Speich",
       {{"Open", false, "Offen"}, {"Save", false, ""}}},
  };
  for (const ParseCase& c : cases) {
    TTranslationDict dictionary;
    dictionary.AddPairs(c.dictionary.c_str());
    for (const Lookup& l : c.lookups) {
      EXPECT_EQ(std::string(dictionary.Lookup(l.text, l.reverse)), l.result)
          << c.label << ": " << l.text;
    }
  }
}

// What the writer writes the reader reads back as written.
TEST(DictionaryWriter, PairsReadBackAsWritten) {
  // Non-ASCII texts of whole characters in every encoding of the suite.
  const std::pair<std::string, std::string> pairs[] = {
      {"Open", "\303\226ffnen"},
      {"two\nlines", "zwei\nZeilen"},
      {"a\rb", ""},
      {"&Open\tCtrl+O", "&Gr\303\266\303\237e\tStrg+O"},
      {"C:\\data\\", "\\\n"},
      {"[a", "x[y[z"},
      {"\\\\", "\\"},
      {"", "for nothing"}};
  std::string text;
  for (const auto& [key, value] : pairs) text += DictionaryPairLine(key, value);
  TTranslationDict dictionary;
  dictionary.AddPairs(text.c_str());
  for (const auto& [key, value] : pairs) {
    EXPECT_TRUE(DictionaryTextWritable(key) && DictionaryTextWritable(value)) << key;
    EXPECT_EQ(std::string(dictionary.Lookup(key.c_str(), false)), value) << text;
  }
  EXPECT_EQ(std::string(dictionary.Lookup("", true)), "a\rb");  // the first pair with that value
  // No escape writes "]"; a backslash before n, t or r reads as a control character.
  const std::string unwritable[] = {"a]b", "\\n", "x\\t", "\\r", std::string("a\0b", 3), "\x1a"};
  for (const std::string& bad : unwritable) EXPECT_FALSE(DictionaryTextWritable(bad)) << bad;

  // In GBK the trail byte 0x5C of a character before n, t or r is no escape.
  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  const std::string trail = "\x81\x5Cn\x81\x5Ct\x81\x5Cr\\";
  EXPECT_EQ(DictionaryPairLine(trail, ""), "[\x81\x5Cn\x81\x5Ct\x81\x5Cr\\\\][]\n");
  TTranslationDict wide;
  wide.AddPairs(DictionaryPairLine(trail, "\x81\x5Cn").c_str());
  EXPECT_EQ(std::string(wide.Lookup(trail.c_str(), false)), "\x81\x5Cn");
}

TEST(TranslationDict, FilesAreReadInTextMode) {
  const struct {
    const char* label;
    std::string bytes;
    const char* key;
    const char* value;  // empty: the key is not there
  } cases[] = {
      {"CR LF reads as LF", "[two\r\nlines][zwei\r\nZeilen]\r\n", "two\nlines", "zwei\nZeilen"},
      {"a lone CR stays", "[cr\ronly][x]", "cr\ronly", "x"},
      {"CR CR LF keeps one CR", "[a\r\r\nb][x\r]\r", "a\r\nb", "x\r"},
      {"0x1A ends the text", std::string("[a][b]\x1A[c][d]"), "c", ""},
      {"a zero byte ends the text", std::string("[a][b]\0[c][d]", 13), "c", ""},
      {"before the end mark", std::string("[a][b]\x1A[c][d]"), "a", "b"},
  };
  int index = 0;
  for (const auto& c : cases) {
    const std::string path =
        WriteDictionary(0x0407, "text_mode_" + std::to_string(index++), c.bytes);
    TTranslationDict dictionary;
    ASSERT_TRUE(dictionary.LoadFromFile(path.c_str())) << c.label;
    EXPECT_EQ(std::string(dictionary.Lookup(c.key, false)), c.value) << c.label;
  }
  TTranslationDict missing;
  EXPECT_FALSE(missing.LoadFromFile("./no-such-dictionary.txt"));
  EXPECT_FALSE(missing.LoadFromFile("."));  // a folder
  EXPECT_EQ(std::string(missing.Lookup("a", false)), "");
}

TEST(DictionaryPath, FolderIsThePrimaryLanguageInHex) {
  const std::string separator(1, corekit::platform::PathSeparator);
  const std::string translate = std::string(GetAppDir()) + "Translate" + separator;
  const struct {
    WORD first;
    WORD second;
    const char* name;
    std::string path;
  } cases[] = {
      {0x0009, 0x0807, "corekit", translate + "7" + separator + "corekit.txt"},
      {0x0009, 0x040C, "corekit", translate + "c" + separator + "corekit.txt"},
      {0x0009, 0x07FF, "menus", translate + "3ff" + separator + "menus.txt"},
      {0x0009, 0x0407, "", translate + "7" + separator + ProgramTitle() + ".txt"},
      {0x0009, 0x0407, nullptr, translate + "7" + separator + ProgramTitle() + ".txt"},
      {0x0409, 0x0407, "corekit", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(GetDictionaryPath(c.first, c.second, c.name)), c.path)
        << c.first << " " << c.second;
  }
  EXPECT_EQ(ProgramTitle().rfind("translate_tests", 0), 0u) << ProgramTitle();
}

TEST(TranslateText, BothDirectionsThroughTheFirstLanguagesDictionary) {
  WriteDictionary(0x0407, "both_directions", "[File not found][Datei nicht gefunden]\n[Name][]\n");
  const struct {
    const char* text;
    WORD from;
    WORD to;
    const char* result;
  } cases[] = {
      {"File not found", 0x0009, 0x0407, "Datei nicht gefunden"},
      {"Datei nicht gefunden", 0x0407, 0x0009, "File not found"},
      {"File not found", 0x0009, 0x0807, "Datei nicht gefunden"},  // Swiss German shares folder 7
      {"File not found", 0x0009, 0x040C, "File not found"},        // no French dictionary
      {"Datei nicht gefunden", 0x0407, 0x040C, "Datei nicht gefunden"},  // neither is English
      {"Name", 0x0009, 0x0407, "Name"},  // an empty value translates nothing
      {"Unknown", 0x0009, 0x0407, "Unknown"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(TranslateText(c.text, c.from, c.to, "both_directions")), c.result)
        << c.text << " " << c.from << "->" << c.to;
  }
}

TEST(TranslateText, APathIsReadOncePerProcess) {
  RemoveDictionary(0x0407, "read_once");
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "read_once")), "late");
  WriteDictionary(0x0407, "read_once", "[late][spaet]");
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "read_once")), "late");
  // Another name is another path.
  WriteDictionary(0x0407, "read_once_2", "[late][spaet]");
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "read_once_2")), "spaet");
}

// An installed program reads its dictionaries from another folder; what it asked before reads the
// other folder's from then on, and the application folder's again once that folder is left.
TEST(TranslateText, DictionariesOfAnotherFolder) {
  WriteDictionary(0x0407, "moved", "[late][spaet]");
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "moved")), "spaet");
  const ScratchFolder scratch;
  const std::string folder = scratch.Path() + corekit::platform::PathSeparator + "7";
  std::filesystem::create_directories(folder);
  const std::string path = folder + corekit::platform::PathSeparator + "moved.txt";
  std::ofstream(path) << "[late][verspaetet]";
  SetDictionaryFolder(scratch.Path().c_str());
  EXPECT_EQ(std::string(GetDictionaryPath(0x0009, 0x0407, "moved")), path);
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "moved")), "verspaetet");
  SetDictionaryFolder("");
  EXPECT_EQ(std::string(TranslateText("late", 0x0009, 0x0407, "moved")), "spaet");
}

}  // namespace
