#include "tools/dict_check_command.h"

#include <CLI/CLI.hpp>
#include <optional>

#include "tools/dict_check.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

class DictCheckCommand final : public Command {
public:
  explicit DictCheckCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("check", "Report the faults of a dictionary's translations")) {
    m_app->add_option("dictionary", m_dictionary, "The dictionary")->required()->type_name("DICT");
    m_encoding.option =
        m_app
            ->add_option("--encoding", m_encoding.text,
                         "Check for this encoding (UTF-8, GBK, cp1252, ISO-8859-1, a Windows code "
                         "page number) instead of the program's")
            ->type_name("ENC");
    m_app->footer("Exits with 1 when it finds a fault.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::optional<TEncodingCheck> named;
    if (m_encoding.Given()) {
      named.emplace(m_encoding.text.c_str());
      if (!named->Known()) {
        err << "corekit: dict check: --encoding '" << m_encoding.text
            << "' is no encoding this system knows\n";
        return ExitUsage;
      }
    }
    bool found = false;
    const auto report = [&](const DictFault& fault) {
      out << m_dictionary << ':' << fault.line << ": " << fault.what << '\n';
      found = true;
    };
    if (!CheckDictionaryFile(m_dictionary, {named ? &*named : nullptr, m_encoding.text}, report)) {
      err << "corekit: dict check: cannot read '" << m_dictionary << "'\n";
      return ExitUsage;
    }
    if (found) return ExitFailure;
    out << m_dictionary << ": no faults\n";
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_dictionary;
  RawOption m_encoding;
};

}  // namespace

std::unique_ptr<Command> AddDictCheckCommand(CLI::App& dict) {
  return std::make_unique<DictCheckCommand>(dict);
}

}  // namespace corekit::tool
