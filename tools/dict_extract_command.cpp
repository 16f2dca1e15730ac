#include "tools/dict_extract_command.h"

#include <CLI/CLI.hpp>
#include <map>

#include "corekit/platform/dynamic_library.h"
#include "corekit/platform/resource_names.h"
#include "corekit/platform/resources.h"
#include "corekit/translate/resource_strings.h"
#include "corekit/util/split_path.h"
#include "corekit/winres/dialog_template.h"
#include "corekit/winres/menu_template.h"
#include "corekit/winres/string_block.h"
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

  void Add(const std::u16string& text, const std::string& reference) {
    if (text.empty()) return;
    const KString converted = WideToAnsi(text.c_str());
    const std::string key(static_cast<const char*>(converted),
                          static_cast<std::size_t>(converted.GetLength()));
    if (!DictTextWritable(key)) {
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

// The English data of a resource, as the library's translation finds it.
bool EnglishResource(HMODULE module, WORD type, const char* name, const BYTE*& data,
                     std::size_t& size) {
  const HRSRC found = FindResourceFallback(module, MAKEINTRESOURCEA(type), name, English, true);
  if (found == nullptr) return false;
  data = static_cast<const BYTE*>(platform::LockModuleResource(module, found));
  size = platform::ModuleResourceSize(module, found);
  return data != nullptr;
}

// A resource's name in a comment line, which holds no "[".
std::string Shown(const platform::ResourceName& name) {
  return name.isNumber ? std::to_string(name.number) : EscapeCommentText(name.text);
}

void AddStrings(HMODULE module, TemplateBuilder& builder) {
  bool first = true;
  for (const platform::ResourceName& block : platform::ModuleResourceNames(module, StringType)) {
    const BYTE* data = nullptr;
    std::size_t size = 0;
    if (!block.isNumber || !EnglishResource(module, StringType, block.Get(), data, size)) continue;
    if (first) builder.Group("string table");
    first = false;
    for (unsigned index = 0; index < 16; ++index) {
      const std::optional<std::u16string> text = winres::StringBlockEntry(data, size, index);
      const unsigned id = (block.number - 1u) * 16u + index;
      if (text) builder.Add(*text, "string " + std::to_string(id));
    }
  }
}

void AddMenuItems(const std::vector<winres::MenuTemplateItem>& items, const std::string& menu,
                  const std::string& path, TemplateBuilder& builder) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const winres::MenuTemplateItem& item = items[i];
    const std::string position = path + std::to_string(i);
    if (item.popup) {
      builder.Add(item.text, menu + " popup " + position);
      AddMenuItems(item.children, menu, position + ".", builder);
    } else if (!(item.type & MFT_SEPARATOR)) {
      builder.Add(item.text, menu + " item " + std::to_string(item.id));
    }
  }
}

void AddMenus(HMODULE module, TemplateBuilder& builder) {
  for (const platform::ResourceName& name : platform::ModuleResourceNames(module, MenuType)) {
    const BYTE* data = nullptr;
    std::size_t size = 0;
    std::vector<winres::MenuTemplateItem> items;
    if (!EnglishResource(module, MenuType, name.Get(), data, size) ||
        !winres::ReadMenuTemplate(data, size, items)) {
      continue;
    }
    const std::string menu = "menu " + Shown(name);
    builder.Group(menu);
    AddMenuItems(items, menu, "", builder);
  }
}

void AddDialogs(HMODULE module, TemplateBuilder& builder) {
  for (const platform::ResourceName& name : platform::ModuleResourceNames(module, DialogType)) {
    const BYTE* data = nullptr;
    std::size_t size = 0;
    winres::DialogTemplate dialog;
    if (!EnglishResource(module, DialogType, name.Get(), data, size) ||
        !winres::ReadDialogTemplate(data, size, dialog)) {
      continue;
    }
    const std::string reference = "dialog " + Shown(name);
    builder.Group(reference);
    builder.Add(dialog.caption, reference + " caption");
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
      const winres::DialogTemplateItem& item = dialog.items[i];
      // Static texts share the id -1; their position tells them apart.
      const bool shared = item.id == 0xFFFF || item.id == 0xFFFFFFFF;
      builder.Add(item.text, reference + (shared ? " static " + std::to_string(i)
                                                 : " control " + std::to_string(item.id)));
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
      module = platform::LoadDynamicLibrary(m_module.text.c_str(), &code);
      if (module == nullptr) {
        err << "corekit: dict extract: '" << m_module.text << "' cannot be loaded (system error "
            << code << ")\n";
        return ExitUsage;
      }
      title =
          static_cast<const char*>(TSplitPath(m_module.text.c_str()).Compose(TSplitPath::NamePart));
    }
    const ModuleTexts texts = ExtractModuleTexts(module, title);
    if (module != nullptr) platform::FreeDynamicLibrary(module);
    for (const std::string& reference : texts.unwritable) {
      err << "corekit: dict extract: the text of " << reference
          << " cannot be written in a dictionary (']', or a backslash before n, t or r)\n";
    }
    if (!WriteDictOutput(m_output.text, WriteDictDocument(texts.document), out)) {
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
