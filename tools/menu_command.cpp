#include "tools/menu_command.h"

#include <CLI/CLI.hpp>
#include <cstdint>

#include "corekit/core/hex_text.h"
#include "corekit/dllload/module_load.h"
#include "corekit/platform/menu_functions.h"
#include "corekit/translate/menu_translation.h"
#include "corekit/translate/translate_text.h"
#include "tools/language_text.h"
#include "tools/number_text.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

std::string Shown(const char* text) {
  std::string shown;
  for (; *text != '\0'; ++text) {
    if (*text == '\t') {
      shown += "\\t";
    } else {
      shown += *text;
    }
  }
  return shown;
}

void AddItems(HMENU menu, const std::string& indent, std::string& tree) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    char text[1024] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = sizeof text;
    if (!ReadMenuItemAt(menu, position, item)) continue;
    if (item.fType & MFT_SEPARATOR) {
      tree += indent + "----\n";
      continue;
    }
    tree += indent + Shown(text);
    if (item.hSubMenu != nullptr) {
      tree += '\n';
      AddItems(item.hSubMenu, indent + "  ", tree);
      continue;
    }
    tree += "  [" + std::to_string(item.wID);
    if (item.fState & MFS_GRAYED) tree += ", grayed";
    if (item.fState & MFS_CHECKED) tree += ", checked";
    tree += "]\n";
  }
}

class MenuCommand final : public Command {
public:
  explicit MenuCommand(CLI::App& app)
      : m_app(app.add_subcommand("menu", "Print a menu of a module in a language")) {
    m_app->add_option("id", m_id, "The menu's resource id, 1 to 65535")
        ->required()
        ->type_name("ID");
    m_language.option = m_app
                            ->add_option("--lang", m_language.text,
                                         "The language, such as 0x0407 (default 0x0009, English)")
                            ->type_name("ID");
    m_dictionary.option =
        m_app
            ->add_option("--dict", m_dictionary.text,
                         "The dictionary name (default: the module's file name without extension)")
            ->type_name("NAME");
    m_module.option = m_app
                          ->add_option("--module", m_module.text,
                                       "A module file (library) whose menu to print; default: "
                                       "the tool's own resources")
                          ->type_name("FILE");
    m_app->footer(
        "A module that has the menu in the language (or its default sublanguage) gives it as it "
        "is; otherwise its English menu is translated through the dictionary "
        "Translate/<language>/<name>.txt in the tool's folder.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::uint32_t id = 0;
    if (ParseUnsigned32(m_id, id) != NumberStatus::Ok || id == 0 || id > 0xFFFF) {
      err << "corekit: menu: '" << m_id << "' is not a menu id (1 to 65535)\n";
      return ExitUsage;
    }
    std::uint16_t language = GetBaseLanguage();
    if (m_language.Given() && !ParseLanguage(m_language.text, language)) {
      err << "corekit: menu: " << LanguageError("--lang", m_language.text) << '\n';
      return ExitUsage;
    }
    HMODULE module = nullptr;
    if (m_module.Given()) {
      DWORD code = 0;
      module = LoadModuleFile(m_module.text.c_str(), &code);
      if (module == nullptr) {
        err << "corekit: menu: '" << m_module.text << "' cannot be loaded (system error " << code
            << ")\n";
        return ExitUsage;
      }
    }
    const char* dictionary = m_dictionary.Given() ? m_dictionary.text.c_str() : nullptr;
    const HMENU menu = LoadTranslatedMenu(module, static_cast<WORD>(id), language, dictionary);
    int code = ExitOk;
    if (menu == nullptr) {
      err << "corekit: menu: " << (module != nullptr ? "'" + m_module.text + "'" : "the tool")
          << " has no menu " << id << " in "
          << "0x" << HexText(language, 4) << " or English\n";
      code = ExitFailure;
    } else {
      out << FormatMenu(menu);
      DestroyMenu(menu);
    }
    if (module != nullptr) FreeModuleFile(module);
    return code;
  }

private:
  CLI::App* m_app;
  std::string m_id;
  RawOption m_language;
  RawOption m_dictionary;
  RawOption m_module;
};

}  // namespace

bool ReadMenuItemAt(HMENU menu, int position, MENUITEMINFOA& item) {
  return GetMenuItemInfoA(menu, static_cast<UINT>(position), true, &item) != 0;
}

std::string FormatMenu(HMENU menu) {
  std::string tree;
  AddItems(menu, "", tree);
  return tree;
}

std::unique_ptr<Command> AddMenuCommand(CLI::App& app) {
  return std::make_unique<MenuCommand>(app);
}

}  // namespace corekit::tool
