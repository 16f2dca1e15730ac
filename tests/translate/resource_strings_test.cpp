#include "corekit/translate/resource_strings.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "corekit/platform/resources.h"
#include "corekit/platform/thread_locale.h"
#include "corekit/translate/input_language.h"
#include "tests/support/process_encoding.h"
#include "tests/translate/dictionary_files.h"

namespace {

using corekit::platform::ThreadLanguage;

std::string Str(const KString& text) { return std::string(text); }

TEST(ResourceStrings, FallbackGoesToTheDefaultSublanguageThenNeutral) {
  const char* const strings = MAKEINTRESOURCEA(6);
  const char* const block7 = MAKEINTRESOURCEA(7);  // ids 96 to 111
  const char* const block8 = MAKEINTRESOURCEA(8);  // ids 112 to 127, neutral only
  constexpr int None = -1;
  const struct {
    const char* name;
    WORD language;
    bool allowNeutral;
    int found;  // the language of the block found
  } cases[] = {
      {block7, 0x0009, false, 0x0009}, {block7, 0x0407, false, 0x0407},
      {block7, 0x0807, false, 0x0407}, {block7, 0x0409, false, None},
      {block7, 0x0409, true, None},    {block8, 0x0407, false, None},
      {block8, 0x0407, true, 0x0000},  {block8, 0x0009, true, 0x0000},
      {block7, 0x0A07, false, None},  // primary language 0x207, not German
  };
  for (const auto& c : cases) {
    const HRSRC expected = c.found == None
                               ? nullptr
                               : corekit::platform::FindModuleResource(nullptr, strings, c.name,
                                                                       static_cast<WORD>(c.found));
    EXPECT_TRUE(c.found == None || expected != nullptr);
    EXPECT_EQ(FindResourceFallback(nullptr, strings, c.name, c.language, c.allowNeutral), expected)
        << c.language << " neutral " << c.allowNeutral;
  }
}

TEST(ResourceStrings, LoadsEntriesOfABlock) {
  EXPECT_EQ(LoadStringResource(nullptr, 101, 0x0009, false), u"File not found");
  EXPECT_EQ(LoadStringResource(nullptr, 101, 0x0407, false), u"Datei nicht gefunden");
  EXPECT_EQ(LoadStringResource(nullptr, 103, 0x0407, false), u"");  // an empty entry
  EXPECT_EQ(LoadStringResource(nullptr, 104, 0x0009, false), u"");  // no entry in its block
  EXPECT_EQ(LoadStringResource(nullptr, 120, 0x0009, true), u"only neutral");
  EXPECT_FALSE(LoadStringResource(nullptr, 120, 0x0009, false).has_value());
  EXPECT_FALSE(LoadStringResource(nullptr, 5000, 0x0009, true).has_value());
  // The library's own table rides along in this program: 4041 is entry 9 of block 253.
  EXPECT_EQ(LoadStringResource(nullptr, 4041, 0x0009, false), u"Error # %lx");
}

TEST(ResourceStrings, WideTextBecomesMultibyte) {
  EXPECT_EQ(Str(WideToAnsi(nullptr)), "");
  EXPECT_EQ(Str(WideToAnsi(u"plain text")), "plain text");
  // The process's encoding: '?' where it has no such character.
  EXPECT_EQ(Str(WideToAnsi(u"ge\u00f6ffnet \u4e2d\u6587")),
            InProcessEncoding("ge\xC3\xB6"
                              "ffnet \xE4\xB8\xAD\xE6\x96\x87"));
}

TEST(ResourceStrings, TranslatedStringsComeFromTheModuleOrTheDictionary) {
  const std::string name = "translated_strings";
  WriteDictionary(0x0409, name, "[could not open file][the file could not be opened]");
  WriteDictionary(0x040C, name,
                  "[could not open file][impossible d'ouvrir le fichier]"
                  "[English, German empty][anglais]");
  WriteDictionary(0x0407, name, "[English, German empty][aus dem Woerterbuch]");
  const std::string German = InProcessEncoding(
      "Datei konnte nicht ge\xC3\xB6"
      "ffnet werden");
  const struct {
    unsigned id;
    WORD language;
    std::string text;
  } cases[] = {
      {100, 0x0407, German},                          // the module's own German
      {100, 0x0807, German},                          // through the default sublanguage
      {100, 0x0409, "the file could not be opened"},  // English from the neutral table, reworded
      {100, 0x040C, "impossible d'ouvrir le fichier"},
      {100, 0x0410, "could not open file"},  // no Italian dictionary
      {103, 0x0407, "aus dem Woerterbuch"},  // an empty German entry counts as missing
      {102, 0x0407, "only in English"},
      {120, 0x0407, "only neutral"},
      {130, 0x0407, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Str(LoadTranslatedString(nullptr, c.id, c.language, name.c_str())), c.text)
        << c.id << " in " << c.language;
  }
}

TEST(ResourceStrings, WithoutNameTheProgramsDictionaryIsUsed) {
  WriteDictionary(0x041D, ProgramTitle(), "[File not found][Filen hittades inte]");
  EXPECT_EQ(Str(LoadTranslatedString(nullptr, 101, 0x041D, nullptr)), "Filen hittades inte");
}

TEST(InputLanguage, SwitchesTheThreadsLanguageOnly) {
  const WORD before = ThreadLanguage();
  // Two languages other than the user's.
  const WORD first = before == 0x0407 ? 0x0410 : 0x0407;
  const WORD second = before == 0x040C ? 0x0410 : 0x040C;
  WORD other = 0;
  ASSERT_TRUE(SetInputLanguage(first));
  EXPECT_EQ(ThreadLanguage(), first);
  std::thread([&other] { other = ThreadLanguage(); }).join();
  EXPECT_EQ(other, before);
  ASSERT_TRUE(SetInputLanguage(second));
  EXPECT_EQ(ThreadLanguage(), second);
  EXPECT_TRUE(corekit::platform::SetThreadLanguage(before));
  EXPECT_EQ(ThreadLanguage(), before);
}

TEST(InputLanguage, LayoutNamesAreEightHexDigits) {
  EXPECT_NE(corekit::platform::LoadLayoutByName("00000407"), nullptr);
  EXPECT_EQ(corekit::platform::LoadLayoutByName(nullptr), nullptr);
#if !defined(_WIN32)
  // Windows answers names it does not know with its default layout.
  EXPECT_EQ(corekit::platform::LoadLayoutByName("407"), nullptr);
  EXPECT_EQ(corekit::platform::LoadLayoutByName("00000fff"), nullptr);
  // The language in both halves of the handle's low 32 bits.
  EXPECT_EQ(corekit::platform::LoadLayoutByName("0000140c"), reinterpret_cast<HKL>(0x140C140C));
#endif
}

}  // namespace
