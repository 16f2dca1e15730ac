#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/core/loaded_module.h"
#include "tools/dict_check.h"
#include "tools/dict_extract_command.h"
#include "tools/dict_merge.h"
#include "tools/dict_stats.h"

namespace {

using corekit::tool::MergeDictionaries;
using corekit::tool::ParseDictDocument;

TEST(ToolDictCommands, ExtractsStringsMenusAndDialogsOfAModule) {
  const LoadedModule plugin(MENU_PLUGIN);
  const auto texts = corekit::tool::ExtractModuleTexts(plugin.Get(), "menu_plugin");
  EXPECT_TRUE(texts.unwritable.empty());
  // The English resources of menus_and_dialogs.rc, with the neutral and US English fallbacks.
  const std::pair<std::string, std::vector<std::string>> expected[] = {
      {"&File", {"menu 100 popup 0"}},
      {"&Open\tCtrl+O", {"menu 100 item 101"}},
      {"&Recent", {"menu 100 popup 0.2"}},
      {"&Clear list", {"menu 100 item 111"}},
      {"&Older", {"menu 100 popup 0.2.1"}},
      {"&Archive", {"menu 100 item 121"}},
      {"E&xit", {"menu 100 item 102"}},
      {"&Help", {"menu 100 popup 1"}},
      {"&Contents", {"menu 100 item 201"}},
      {"&Long", {"menu 100 item 202"}},
      {"&Measure", {"menu 300 item 301"}},
      {"&Survey", {"menu 400 item 401"}},
      {"Survey", {"dialog SURVEY caption"}},
      {"Name:", {"dialog SURVEY control 1001", "dialog 200 control 1001"}},
      {"Neutral", {"dialog 200 caption"}},
      {"OK", {"dialog 200 control 1"}},
      {"Export", {"dialog 500 caption"}},
      {"Folder:", {"dialog 500 static 0"}},
      {"&Browse...\tF4", {"dialog 500 control 501"}},
  };
  const auto& entries = texts.document.entries;
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].key, expected[i].first);
    EXPECT_EQ(entries[i].value, "");
    EXPECT_EQ(entries[i].References(), expected[i].second) << expected[i].first;
  }
}

TEST(ToolDictCommands, MergeKeepsAddsObsoletesAndMarksForReview) {
  const auto templ = ParseDictDocument(
      "#: string 1\n[Open][]\n"
      "#: string 2\n[Could not open the file][]\n"
      "#: string 3\n[New text][]\n"
      "#: string 4\n[Back again][]\n");
  const auto dictionary = ParseDictDocument(
      "#: string 1\n# menu verb\n[Open][Öffnen]\n"
      "#: string 2\n#  keep it short\n[could not open file][Datei nicht geöffnet]\n"
      "#: string 5\n[Gone][Weg]\n"
      "[Open][Zweites]\n"
      "[Empty and gone][]\n"
      "# ---- obsolete: gone from the module, kept for reference; not read ----\n"
      "#~ Back again\n#~= Wieder da\n"
      "#~ Long gone\n#~= Lange weg\n");
  EXPECT_EQ(corekit::tool::WriteDictDocument(corekit::tool::MergeDictionaries(templ, dictionary)),
            "#: string 1\n# menu verb\n[Open][Öffnen]\n"
            "#: string 2\n"
            "#  keep it short\n"
            "#, review: the English text changed\n"
            "#| old English: could not open file\n"
            "#| old translation: Datei nicht geöffnet\n"
            "[Could not open the file][]\n"
            "#: string 3\n[New text][]\n"
            "#: string 4\n[Back again][Wieder da]\n"
            "\n# ---- obsolete: gone from the module, kept for reference; not read ----\n"
            "\n#: string 5\n#~ Gone\n#~= Weg\n"
            "\n#~ Long gone\n#~= Lange weg\n");
}

// Each row's output merged again with its template stays the same bytes.
TEST(ToolDictCommands, MergeLosesNoTranslationAndRepeatsItself) {
  const std::string review =
      "#, review: the English text changed\n#| old English: Open\n"
      "#| old translation: Öffnen\n";
  const std::string gone =
      "\n# ---- obsolete: gone from the module, kept for reference; not read "
      "----\n\n";
  const struct {
    std::string templ, dictionary, merged;
  } cases[] = {
      // The template's header and group lines are no translator's notes.
      {"# Dictionary\n\n# ---- string table ----\n#: string 1\n[Open][]\n",
       "# Dictionary\n\n# ---- string table ----\n#: string 1\n# verb\n[Open][Öffnen]\n",
       "# Dictionary\n\n# ---- string table ----\n#: string 1\n# verb\n[Open][Öffnen]\n"},
      // The dictionary's own header stays at the top.
      {"# Dictionary\n\n#: string 1\n[Open][]\n", "# German\n\n#: string 1\n[Open][Öffnen]\n",
       "# German\n\n#: string 1\n[Open][Öffnen]\n"},
      // The English changes again before review, or goes, or is translated without clearing.
      {"#: string 1\n[Open a file][]\n", "#: string 1\n# verb\n" + review + "[Open file][]\n",
       "#: string 1\n# verb\n" + review + "[Open a file][]\n"},
      {"#: string 2\n[Save][]\n", "#: string 1\n# verb\n" + review + "[Open file][]\n",
       "#: string 2\n[Save][]\n" + gone + "#: string 1\n# verb\n" + review +
           "#~ Open file\n#~= \n"},
      {"#: string 1\n[Open file][]\n", "#: string 1\n" + review + "[Open file][Datei öffnen]\n",
       "#: string 1\n" + review + "[Open file][Datei öffnen]\n"},
      // An obsolete text comes back with its notes and mark.
      {"#: string 1\n[Open file][]\n",
       "[X][]\n" + gone + "#: string 1\n# verb\n" + review + "#~ Open file\n#~= \n",
       "#: string 1\n# verb\n" + review + "[Open file][]\n"},
      // One resource of a shared text changed.
      {"#: string 1\n[Open file][]\n#: menu 100 item 101\n[Open][]\n",
       "#: string 1\n#: menu 100 item 101\n[Open][Öffnen]\n",
       "#: string 1\n#, review: the English text changed\n#| old English: Open\n"
       "#| old translation: Öffnen\n[Open file][]\n#: menu 100 item 101\n[Open][Öffnen]\n"},
      // A byte order mark before the first line.
      {"#: string 1\n[Open file][]\n", "\xEF\xBB\xBF#: string 1\n# verb\n[Open][Öffnen]\n",
       "#: string 1\n# verb\n" + review + "[Open file][]\n"},
  };
  for (const auto& c : cases) {
    const auto templ = ParseDictDocument(c.templ);
    const auto write = corekit::tool::WriteDictDocument;
    const std::string merged = write(MergeDictionaries(templ, ParseDictDocument(c.dictionary)));
    EXPECT_EQ(merged, c.merged) << c.dictionary;
    EXPECT_EQ(write(MergeDictionaries(templ, ParseDictDocument(merged))), merged) << merged;
  }
}

TEST(ToolDictCommands, StatsCountAgainstTheTemplate) {
  const auto templ = ParseDictDocument("[A][] [B][] [C][] [D][]");
  const auto dictionary = ParseDictDocument(
      "[A][a] [B][] [A][again] [X][x]\n#, review: changed\n[C][]\n#~ Old\n#~= Alt\n");
  const struct {
    const corekit::tool::DictDocument* templ;
    int translated, empty, missing, obsolete, review;
    double share;
  } cases[] = {{&templ, 1, 2, 1, 2, 1, 25.0}, {nullptr, 2, 2, 0, 1, 1, 50.0}};
  for (const auto& c : cases) {
    const auto stats = corekit::tool::CountDictionary(dictionary, c.templ);
    EXPECT_EQ(stats.translated, c.translated);
    EXPECT_EQ(stats.empty, c.empty);
    EXPECT_EQ(stats.missing, c.missing);
    EXPECT_EQ(stats.obsolete, c.obsolete);
    EXPECT_EQ(stats.review, c.review);
    EXPECT_DOUBLE_EQ(stats.Share(), c.share);
  }
}

TEST(ToolDictCommands, CheckReportsTranslatorsFaultsByLine) {
  const struct {
    std::string text;
    std::vector<std::pair<int, std::string>> faults;  // line and a part of the message
  } cases[] = {
      {"[Error # %lx][Fehler # %lx]\n[%1 of %2][%2 von %1]\n[%% done][%% fertig]\n[&Open][]", {}},
      {"[Error # %lx][Fehler]", {{1, "placeholders differ"}}},
      {"\n[%s in %d][%d in %s]", {{2, "reordered"}}},
      {"[%s][%s %d]", {{1, "placeholders differ"}}},
      {"[Copy %1][Kopie]", {{1, "inserts differ"}}},
      {"[&Open][Öffnen]\n[&Open][&Öff&nen]\n[Open][&Öffnen]\n[A && B][A && B]",
       {{1, "lost"}, {2, "again"}, {3, "English text does not have"}}},
      {"[&Save\tCtrl+S][&Speichern]", {{1, "\\t shortcut part is lost"}}},
      {"[Name: ][Name:]\n[ x][x ]", {{1, "trailing"}, {2, "leading"}, {2, "trailing"}}},
      {"[a][b]]\n[c][d]", {{1, "']'"}}},
      {"[%S: %d][%d]\n[100%% ready][100% bereit]\n[50%% of %d][50%% von %d]",
       {{1, "placeholders differ"}, {2, "lone %"}}},
      {std::string("[a][b]\n\0[c][d]", 14), {{2, "zero byte"}}},
  };
  for (const auto& c : cases) {
    const auto faults = corekit::tool::CheckDictionary(c.text);
    ASSERT_EQ(faults.size(), c.faults.size()) << c.text;
    for (std::size_t i = 0; i < faults.size(); ++i) {
      EXPECT_EQ(faults[i].line, c.faults[i].first) << c.text;
      EXPECT_NE(faults[i].what.find(c.faults[i].second), std::string::npos) << faults[i].what;
    }
  }
  // A byte order mark the library reads as text, whether or not its bytes are characters here.
  for (const std::string& mark :
       {std::string("\xFF\xFE"), std::string("\xFE\xFF"), std::string("\xFF\xFE\0\0", 4)}) {
    const auto faults = corekit::tool::CheckDictionary(mark + "[a][b]");
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [](const auto& fault) {
      return fault.line == 1 && fault.what.find("byte order mark") != std::string::npos;
    })) << mark;
  }
}

}  // namespace
