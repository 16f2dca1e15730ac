#include "corekit/translate/menu_translation.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/platform/menus.h"
#include "corekit/platform/wide_text.h"
#include "tests/core/loaded_module.h"
#include "tests/support/menu_outline.h"
#include "tests/translate/dictionary_files.h"

namespace {

const std::string EnglishMenu =
    "&File { &Open\tCtrl+O #101 | - | &Recent { &Clear list #111 | &Older { &Archive~ #121 } } | "
    "- | E&xit #102 } | &Help { &Contents* #201 | &Long #202 }";

std::string GermanMenu() {
  const std::u16string umlauts = u"\u00D6\u00C4";
  const std::string o = corekit::platform::WideToMultibyte(umlauts.data(), 1);
  const std::string a = corekit::platform::WideToMultibyte(umlauts.data() + 1, 1);
  return "&Datei { " + o + "&ffnen\tStrg+O #101 | - | &Zuletzt { &Liste leeren #111 | " + a +
         "&lter { &Archiv~ #121 } } | - | &Beenden #102 } | &Hilfe { &Inhalt* #201 | &Lang #202 }";
}

TEST(LoadTranslatedMenu, TakesTheModulesOwnLanguageAsItIs) {
  // The German dictionary would change the German texts, were it consulted.
  WriteDictionary(0x0407, "menus_german", "[&Datei][&Falsch][&File][&Falsch]");
  for (const WORD language : {WORD(0x0407), WORD(0x0807)}) {
    const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, language, "menus_german"));
    EXPECT_EQ(MenuOutline(menu.Get()), GermanMenu()) << language;
  }
}

TEST(LoadTranslatedMenu, TranslatesTheEnglishMenuAtEveryDepth) {
  // Every text but "&Older" has a translation, the empty text of separators too; "&Long" becomes
  // 300 characters and is cut to 254.
  const std::string longText(300, 'L');
  WriteDictionary(0x040C, "menus_french",
                  "French menu texts\n"
                  "[&File][&Fichier] [&Open\\tCtrl+O][&Ouvrir\\tCtrl+O] [&Recent][&R\u00e9cents]\n"
                  "[&Clear list][&Vider la liste] [&Archive][&Archiver] [E&xit][&Quitter]\n"
                  "[&Help][&Aide] [&Contents][&Sommaire] [][s\u00e9parateur]\n"
                  "[&Long][" +
                      longText + "]\n");
  const OwnedMenu menu(LoadTranslatedMenu(nullptr, 100, 0x040C, "menus_french"));
  EXPECT_EQ(MenuOutline(menu.Get()),
            "&Fichier { &Ouvrir\tCtrl+O #101 | - | &R\u00e9cents { &Vider la liste #111 | "
            "&Older { &Archiver~ #121 } } | - | &Quitter #102 } | &Aide { &Sommaire* #201 | " +
                longText.substr(0, 254) + " #202 }");
}

TEST(LoadTranslatedMenu, FallsBackToTheEnglishMenus) {
  WriteDictionary(0x0407, "menus_fallback", "[&Measure][&Messen][&Survey][&Vermessen]");
  WriteDictionary(0x0409, "menus_fallback", "[&Survey][&Survey...][&File][F&ile]");
  const struct {
    WORD menuId;
    WORD language;
    std::string outline;
  } cases[] = {
      // Menu 300 is neutral only: not taken as German, but as the English menu.
      {300, 0x0407, "&Messen #301"},
      {300, 0x0009, "&Measure #301"},
      // Menu 400 is US English only: the English menu for German, and 0x0409's own.
      {400, 0x0407, "&Vermessen #401"},
      {400, 0x0409, "&Survey #401"},
      // Menu 100 has no US English: the English one is reworded through folder 9.
      {100, 0x0409, "F&ile { " + EnglishMenu.substr(8)},
      {100, 0x0009, EnglishMenu},
      {999, 0x0407, "<no menu>"},
  };
  for (const auto& c : cases) {
    const OwnedMenu menu(LoadTranslatedMenu(nullptr, c.menuId, c.language, "menus_fallback"));
    EXPECT_EQ(MenuOutline(menu.Get()), c.outline) << c.menuId << " in " << c.language;
  }
}

TEST(TranslateMenu, NamesTheDictionaryAfterTheModule) {
  const LoadedModule plugin(MENU_PLUGIN);
  ASSERT_NE(plugin.Get(), nullptr);
  WriteDictionary(0x0410, "menu_plugin", "[&Help][&Aiuto]");
  WriteDictionary(0x0416, ProgramTitle(), "[&Help][A&juda]");
  WriteDictionary(0x0C0A, "menus_spanish", "[&Help][&Ayuda]");
  const std::string help = EnglishMenu.substr(0, EnglishMenu.find("&Help"));
  const struct {
    HMODULE module;
    WORD language;
    const char* name;
    std::string help;
  } cases[] = {
      {plugin.Get(), 0x0410, nullptr, "&Aiuto"},
      {nullptr, 0x0416, nullptr, "A&juda"},
      {plugin.Get(), 0x0C0A, "menus_spanish", "&Ayuda"},
  };
  for (const auto& c : cases) {
    const OwnedMenu menu(LoadTranslatedMenu(c.module, 100, 0x0009, nullptr));
    EXPECT_EQ(TranslateMenu(menu.Get(), c.module, 0x0009, c.language, c.name), menu.Get());
    EXPECT_EQ(MenuOutline(menu.Get()), help + c.help + EnglishMenu.substr(help.size() + 5))
        << c.language;
  }
  // The plugin's own German menu.
  const OwnedMenu german(LoadTranslatedMenu(plugin.Get(), 100, 0x0407, nullptr));
  EXPECT_EQ(MenuOutline(german.Get()), GermanMenu());
}

TEST(TranslateMenu, LeavesAHandleThatIsNoMenu) {
  const HMENU destroyed = LoadTranslatedMenu(nullptr, 300, 0x0009, "menus_none");
  ASSERT_TRUE(corekit::platform::DestroyMenuTree(destroyed));
  EXPECT_EQ(TranslateMenu(destroyed, nullptr, 0x0009, 0x0407, "menus_none"), destroyed);
  EXPECT_EQ(TranslateMenu(nullptr, nullptr, 0x0009, 0x0407, "menus_none"), nullptr);
}

}  // namespace
