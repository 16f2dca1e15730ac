#include "tools/dict_merge_command.h"

#include <CLI/CLI.hpp>

#include "tools/dict_merge.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

class DictMergeCommand final : public Command {
public:
  explicit DictMergeCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("merge", "Bring a dictionary up to a new template")) {
    m_app->add_option("template", m_template, "The template from dict extract")
        ->required()
        ->type_name("TEMPLATE");
    m_app->add_option("dictionary", m_dictionary, "The dictionary to bring up to it")
        ->required()
        ->type_name("DICT");
    m_output.option = m_app
                          ->add_option("--output,-o", m_output.text,
                                       "The file to write (default: standard output)")
                          ->type_name("FILE");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    DictDocument templ, dictionary;
    for (const auto& [path, document] :
         {std::pair{&m_template, &templ}, std::pair{&m_dictionary, &dictionary}}) {
      if (!ReadDictDocument(*path, *document)) {
        err << "corekit: dict merge: cannot read '" << *path << "'\n";
        return ExitUsage;
      }
    }
    if (!WriteDictOutput(
            m_output.text,
            [&](DictSink& sink) { MergeDictionaries(std::move(templ), dictionary, sink); }, out)) {
      err << "corekit: dict merge: cannot write '" << m_output.text << "'\n";
      return ExitFailure;
    }
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_template, m_dictionary;
  RawOption m_output;
};

}  // namespace

std::unique_ptr<Command> AddDictMergeCommand(CLI::App& dict) {
  return std::make_unique<DictMergeCommand>(dict);
}

}  // namespace corekit::tool
