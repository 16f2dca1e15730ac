#include "tools/translate_command.h"

#include <CLI/CLI.hpp>

#include "corekit/translate/translate_text.h"
#include "tools/language_text.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

class TranslateCommand final : public Command {
public:
  explicit TranslateCommand(CLI::App& app)
      : m_app(app.add_subcommand("translate",
                                 "Translate a text through the dictionaries beside the tool")) {
    m_app->add_option("text", m_text, "The text, in the language of --from")
        ->required()
        ->type_name("TEXT");
    m_to.option = m_app->add_option("--to", m_to.text, "Language to translate into, such as 0x0407")
                      ->required()
                      ->type_name("ID");
    m_from.option =
        m_app->add_option("--from", m_from.text, "Language of the text (default 0x0009, English)")
            ->type_name("ID");
    m_dict.option = m_app->add_option("--dict", m_dict.text, "Dictionary name (default: corekit)")
                        ->type_name("NAME");
    m_app->footer(
        "One of the two languages must be English (0x0009): dictionaries hold English texts and "
        "their "
        "translations. A text without translation is printed unchanged.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::uint16_t to = 0;
    std::uint16_t from = GetBaseLanguage();
    if (!ParseLanguage(m_to.text, to)) {
      err << "corekit: translate: " << LanguageError("--to", m_to.text) << '\n';
      return ExitUsage;
    }
    if (m_from.Given() && !ParseLanguage(m_from.text, from)) {
      err << "corekit: translate: " << LanguageError("--from", m_from.text) << '\n';
      return ExitUsage;
    }
    const char* dictionary = m_dict.Given() ? m_dict.text.c_str() : nullptr;
    out << TranslateText(m_text.c_str(), from, to, dictionary) << '\n';
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_text;
  RawOption m_to, m_from, m_dict;
};

}  // namespace

std::unique_ptr<Command> AddTranslateCommand(CLI::App& app) {
  return std::make_unique<TranslateCommand>(app);
}

}  // namespace corekit::tool
