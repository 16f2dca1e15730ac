#include "tools/dict_extract_command.h"

#include <CLI/CLI.hpp>
#include <map>
#include <utility>

#include "corekit/dllload/module_load.h"
#include "corekit/platform/resource_names.h"
#include "corekit/translate/dialog_texts.h"
#include "corekit/translate/dictionary_text.h"
#include "corekit/translate/find_resource.h"
#include "corekit/translate/menu_resource.h"
#include "corekit/translate/translated_string.h"
#include "corekit/util/split_path.h"
#include "tools/menu_command.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

constexpr WORD MenuType = 4;
constexpr WORD DialogType = 5;
constexpr WORD StringType = 6;
constexpr WORD English = 0x0009;

constexpr std::size_t HeaderLines = 4;

// Collects the texts in order, each once.
class TemplateBuilder {
public:
  explicit TemplateBuilder(const std::string& title) {
    m_pending = {
        "# Dictionary of " + title + ": its English texts, each in the first brackets of a",
        "# pair. Write the translation into the second; an empty one leaves the English",
        "# text. Escapes: \\n line feed, \\t tab (before a shortcut), \\r, \\\\ backslash.",
        "# Lines starting with #: name the resource of the text below them."};
  }

  void Group(const std::string& heading) {
    if (m_texts.document.entries.empty()) {
      m_pending.resize(HeaderLines);  // drops the heading of a group without texts
    } else {
      m_pending.clear();
    }
    m_pending.push_back("");
    m_pending.push_back("# ---- " + heading + " ----");
  }

  void Add(const KString& text, const std::string& reference) {
    if (text.IsEmpty()) return;
    const std::string key(static_cast<const char*>(text),
                          static_cast<std::size_t>(text.GetLength()));
    if (!DictionaryTextWritable(key)) {
      m_texts.unwritable.push_back(reference);
      return;
    }
    const auto known = m_index.find(key);
    if (known != m_index.end()) {
      m_texts.document.entries[known->second].comments.push_back("#: " + reference);
      return;
    }
    DictEntry entry;
    entry.key = key;
    entry.comments = std::move(m_pending);
    entry.comments.push_back("#: " + reference);
    m_pending.clear();
    m_index.emplace(key, m_texts.document.entries.size());
    m_texts.document.entries.push_back(std::move(entry));
  }

  ModuleTexts Take() {
    if (m_texts.document.entries.empty())
      m_texts.document.trailing.assign(m_pending.begin(), m_pending.begin() + HeaderLines);
    return std::move(m_texts);
  }

private:
  ModuleTexts m_texts;
  std::vector<std::string> m_pending;  // lines waiting for the next text
  std::map<std::string, std::size_t> m_index;
};

// The English resource, as the library's translation finds it.
HRSRC EnglishResource(HMODULE module, WORD type, const char* name) {
  return FindResourceFallback(module, MAKEINTRESOURCEA(type), name, English, true);
}

// A resource's name in a comment line, which holds no "[".
std::string Shown(const TResourceName& name) {
  return name.isNumber ? std::to_string(name.number) : EscapeCommentText(name.text);
}

// The strings of each block that the module has in English, as the library gives them in English.
void AddStrings(HMODULE module, TemplateBuilder& builder) {
  bool first = true;
  for (const TResourceName& block : ModuleResourceNames(module, StringType)) {
    if (!block.isNumber || EnglishResource(module, StringType, block.Get()) == nullptr) continue;
    if (first) builder.Group("string table");
    first = false;
    for (unsigned index = 0; index < 16; ++index) {
      const unsigned id = (block.number - 1u) * 16u + index;
      builder.Add(LoadTranslatedString(module, id, English, nullptr),
                  "string " + std::to_string(id));
    }
  }
}

// The text of a menu item: its length first, then the text itself.
KString ItemText(HMENU menu, int position) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  if (!ReadMenuItemAt(menu, position, item) || item.cch == 0) return KString();
  std::string text(item.cch + 1, '\0');
  item.dwTypeData = text.data();
  item.cch = static_cast<UINT>(text.size());
  if (!ReadMenuItemAt(menu, position, item)) return KString();
  return KString(text.c_str());
}

void AddMenuItems(HMENU items, const std::string& menu, const std::string& path,
                  TemplateBuilder& builder) {
  const int count = GetMenuItemCount(items);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!ReadMenuItemAt(items, i, item)) continue;
    const std::string position = path + std::to_string(i);
    if (item.hSubMenu != nullptr) {
      builder.Add(ItemText(items, i), menu + " popup " + position);
      AddMenuItems(item.hSubMenu, menu, position + ".", builder);
    } else if (!(item.fType & MFT_SEPARATOR)) {
      builder.Add(ItemText(items, i), menu + " item " + std::to_string(item.wID));
    }
  }
}

void AddMenus(HMODULE module, TemplateBuilder& builder) {
  for (const TResourceName& name : ModuleResourceNames(module, MenuType)) {
    const HMENU menu = LoadMenuResource(module, EnglishResource(module, MenuType, name.Get()));
    if (menu == nullptr) continue;
    const std::string reference = "menu " + Shown(name);
    builder.Group(reference);
    AddMenuItems(menu, reference, "", builder);
    DestroyMenu(menu);
  }
}

void AddDialogs(HMODULE module, TemplateBuilder& builder) {
  for (const TResourceName& name : ModuleResourceNames(module, DialogType)) {
    const HRSRC found = EnglishResource(module, DialogType, name.Get());
    const HGLOBAL data = found != nullptr ? LoadResource(module, found) : nullptr;
    TDialogTexts dialog;
    if (data == nullptr ||
        !ReadDialogTexts(LockResource(data), SizeofResource(module, found), dialog)) {
      continue;
    }
    const std::string reference = "dialog " + Shown(name);
    builder.Group(reference);
    builder.Add(dialog.caption, reference + " caption");
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
      const TDialogControlText& control = dialog.controls[i];
      // Static texts share the id -1; their position tells them apart.
      const bool shared = control.id == 0xFFFF || control.id == 0xFFFFFFFF;
      builder.Add(control.text, reference + (shared ? " static " + std::to_string(i)
                                                    : " control " + std::to_string(control.id)));
    }
  }
}

class DictExtractCommand final : public Command {
public:
  explicit DictExtractCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("extract",
                                  "Write a template dictionary of a module's English texts")) {
    m_module.option = m_app
                          ->add_option("module", m_module.text,
                                       "The module file (default: the tool, whose texts are "
                                       "the library's)")
                          ->type_name("MODULE");
    m_output.option = m_app
                          ->add_option("--output,-o", m_output.text,
                                       "The file to write (default: standard "
                                       "output)")
                          ->type_name("FILE");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    HMODULE module = nullptr;
    std::string title = "corekit";
    if (m_module.Given()) {
      DWORD code = 0;
      module = LoadModuleFile(m_module.text.c_str(), &code);
      if (module == nullptr) {
        err << "corekit: dict extract: '" << m_module.text << "' cannot be loaded (system error "
            << code << ")\n";
        return ExitUsage;
      }
      title =
          static_cast<const char*>(TSplitPath(m_module.text.c_str()).Compose(TSplitPath::NamePart));
    }
    const ModuleTexts texts = ExtractModuleTexts(module, title);
    if (module != nullptr) FreeModuleFile(module);
    for (const std::string& reference : texts.unwritable) {
      err << "corekit: dict extract: the text of " << reference
          << " cannot be written in a dictionary (']', or a backslash before n, t or r)\n";
    }
    if (!WriteDictOutput(
            m_output.text, [&](DictSink& sink) { WriteDictDocumentTo(texts.document, sink); },
            out)) {
      err << "corekit: dict extract: cannot write '" << m_output.text << "'\n";
      return ExitFailure;
    }
    return ExitOk;
  }

private:
  CLI::App* m_app;
  RawOption m_module, m_output;
};

}  // namespace

ModuleTexts ExtractModuleTexts(HMODULE module, const std::string& title) {
  TemplateBuilder builder(title);
  AddStrings(module, builder);
  AddMenus(module, builder);
  AddDialogs(module, builder);
  return builder.Take();
}

std::unique_ptr<Command> AddDictExtractCommand(CLI::App& dict) {
  return std::make_unique<DictExtractCommand>(dict);
}

}  // namespace corekit::tool
