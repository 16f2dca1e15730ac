#include "corekit/translate/menu_translation.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/platform/menus.h"
#include "corekit/platform/wide_text.h"
#include "tests/core/loaded_module.h"
#include "tests/translate/dictionary_files.h"
#include "tests/translate/menu_outline.h"

namespace {

// A menu of the test, destroyed at its end.
class OwnedMenu {
public:
  explicit OwnedMenu(HMENU menu) : m_menu(menu) {}
  ~OwnedMenu() {
    if (m_menu != nullptr) corekit::platform::DestroyMenuTree(m_menu);
  }
  OwnedMenu(const OwnedMenu&) = delete;
  OwnedMenu& operator=(const OwnedMenu&) = delete;
  HMENU Get() const { return m_menu; }

private:
  HMENU m_menu;
};

// The text as the system gives UTF-16 in the process's encoding.
std::string Multibyte(const std::u16string& text) {
  return corekit::platform::WideToMultibyte(text.data(), text.size());
}

const std::string EnglishMenu =
    "&File { &Open\tCtrl+O #101 | - | &Recent { &Clear list #111 | &Older { &Archive~ #121 } } | "
    "- | E&xit #102 } | &Help { &Contents* #201 | &Long #202 }";

std::string GermanMenu() {
  return "&Datei { " + Multibyte(u"\u00D6") + "&ffnen\tStrg+O #101 | - | &Zuletzt { " +
         "&Liste leeren #111 | " + Multibyte(u"\u00C4") + "&lter { &Archiv~ #121 } } | - | " +
         "&Beenden #102 } | &Hilfe { &Inhalt* #201 | &Lang #202 }";
}

// French for every text but "&Older"; the empty text (of separators) has an entry as well, and
// "&Long" becomes 300 characters.
const std::string LongFrench(300, 'L');
const std::string FrenchDictionary =
    "French menu texts\n"
    "[&File][&Fichier] [&Open\\tCtrl+O][&Ouvrir\\tCtrl+O]\n"
    "[&Recent][&R\u00e9cents] [&Clear list][&Vider la liste] [&Archive][&Archiver]\n"
    "[E&xit][&Quitter] [&Help][&Aide] [&Contents][&Sommaire]\n"
    "[][s\u00e9parateur]\n"
    "[&Long][" +
    LongFrench + "]\n";
const std::string FrenchMenu =
    "&Fichier { &Ouvrir\tCtrl+O #101 | - | &R\u00e9cents { &Vider la liste #111 | "
    "&Older { &Archiver~ #121 } } | - | &Quitter #102 } | &Aide { &Sommaire* #201 | " +
    LongFrench.substr(0, 254) + " #202 }";

TEST(LoadTranslatedMenu, TakesTheModulesOwnLanguageAsItIs) {
  // A German dictionary would change the German texts, were it consulted.
  WriteDictionary(0x0407, "menus_german", "[&Datei][&Falsch][&File][&Falsch]");
  for (const WORD language : {WORD(0x0407), WORD(0x0807)}) {
    const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, language, "menus_german"));
    EXPECT_EQ(MenuOutline(menu.Get()), GermanMenu()) << language;
  }
}

TEST(LoadTranslatedMenu, TranslatesTheEnglishMenuThroughTheDictionary) {
  WriteDictionary(0x040C, "menus_french", FrenchDictionary);
  const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, 0x040C, "menus_french"));
  EXPECT_EQ(MenuOutline(menu.Get()), FrenchMenu);
}

TEST(LoadTranslatedMenu, FallsBackToTheEnglishMenus) {
  WriteDictionary(0x0407, "menus_fallback", "[&Measure][&Messen][&Survey][&Vermessen]");
  WriteDictionary(0x0409, "menus_fallback", "[&Survey][&Survey...][&File][F&ile]");
  const struct {
    WORD menuId;
    WORD language;
    std::string outline;
  } cases[] = {
      // Menu 300 is neutral only: not taken as the language's own, but as the English one.
      {300, 0x0407, "&Messen #301"},
      {300, 0x0009, "&Measure #301"},
      // Menu 400 is US English only: the English menu for German, and its own for 0x0409.
      {400, 0x0407, "&Vermessen #401"},
      {400, 0x0409, "&Survey #401"},
      // Menu 100 has no US English: the English one is reworded through folder 9.
      {100, 0x0409, "F&ile { " + EnglishMenu.substr(8)},
      {100, 0x0009, EnglishMenu},
      {999, 0x0407, "<no menu>"},
      {999, 0x0009, "<no menu>"},
  };
  for (const auto& c : cases) {
    const OwnedMenu menu(LoadTranslatedMenu(nullptr, c.menuId, c.language, "menus_fallback"));
    EXPECT_EQ(menu.Get() == nullptr, c.outline == "<no menu>") << c.menuId << " " << c.language;
    EXPECT_EQ(MenuOutline(menu.Get()), c.outline) << c.menuId << " " << c.language;
  }
}

TEST(LoadTranslatedMenu, NamesTheDictionaryAfterTheModule) {
  const LoadedModule plugin(MENU_PLUGIN);
  ASSERT_NE(plugin.Get(), nullptr);
  WriteDictionary(0x0410, "menu_plugin", "[&File][&Archivio][E&xit][&Esci]");
  const OwnedMenu menu(LoadTranslatedMenu(plugin.Get(), 100, 0x0410, nullptr));
  const std::string outline = MenuOutline(menu.Get());
  EXPECT_EQ(outline.find("&Archivio { &Open\tCtrl+O #101 |"), 0u) << outline;
  EXPECT_NE(outline.find("| &Esci #102 }"), std::string::npos) << outline;
  // The module's own German menu.
  const OwnedMenu german(LoadTranslatedMenu(plugin.Get(), 100, 0x0407, nullptr));
  EXPECT_EQ(MenuOutline(german.Get()), GermanMenu());
}

TEST(TranslateMenu, TranslatesInPlaceWithTheGivenOrTheModulesDictionary) {
  WriteDictionary(0x0416, ProgramTitle(), "[&Help][A&juda][&Long][&Longo]");
  WriteDictionary(0x0C0A, "menus_spanish", "[&Help][&Ayuda]");
  const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, 0x0009, "menus_spanish"));
  ASSERT_EQ(MenuOutline(menu.Get()), EnglishMenu);

  // Without a name, the program's title names the dictionary.
  EXPECT_EQ(TranslateMenu(menu.Get(), nullptr, 0x0009, 0x0416, nullptr), menu.Get());
  const std::string portugueseHelp = "A&juda { &Contents* #201 | &Longo #202 }";
  EXPECT_EQ(MenuOutline(menu.Get()),
            EnglishMenu.substr(0, EnglishMenu.find("&Help")) + portugueseHelp);
  // Another direction: from Portuguese back into English through the reverse entries.
  TranslateMenu(menu.Get(), nullptr, 0x0416, 0x0009, nullptr);
  EXPECT_EQ(MenuOutline(menu.Get()), EnglishMenu);

  TranslateMenu(menu.Get(), nullptr, 0x0009, 0x0C0A, "menus_spanish");
  EXPECT_NE(MenuOutline(menu.Get()).find("| &Ayuda { &Contents*"), std::string::npos);
}

TEST(TranslateMenu, CutsTheLongestTranslationAndKeepsSeparators) {
  WriteDictionary(0x040C, "menus_cut", FrenchDictionary);
  const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, 0x0009, "menus_cut"));
  TranslateMenu(menu.Get(), nullptr, 0x0009, 0x040C, "menus_cut");
  EXPECT_EQ(MenuOutline(menu.Get()), FrenchMenu);
  // The cut text is written as it is, and read back whole.
  EXPECT_NE(MenuOutline(menu.Get()).find("| " + LongFrench.substr(0, 254) + " #202"),
            std::string::npos);
  EXPECT_EQ(MenuOutline(menu.Get()).find(LongFrench.substr(0, 255)), std::string::npos);
}

TEST(TranslateMenu, LeavesAHandleThatIsNoMenu) {
  const HMENU destroyed = LoadTranslatedMenu(nullptr, 300, 0x0009, "menus_none");
  ASSERT_NE(destroyed, nullptr);
  ASSERT_TRUE(corekit::platform::DestroyMenuTree(destroyed));
  EXPECT_EQ(TranslateMenu(destroyed, nullptr, 0x0009, 0x0407, "menus_none"), destroyed);
  EXPECT_EQ(TranslateMenu(nullptr, nullptr, 0x0009, 0x0407, "menus_none"), nullptr);
}

}  // namespace
