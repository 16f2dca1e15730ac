#include "tools/dict_stats_command.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "tools/dict_stats.h"
#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

// The share in tenths of a percent, cut rather than rounded: never shown above what it is.
std::string Percent(const DictStats& stats) {
  const long long total = stats.translated + stats.empty + stats.missing;
  const long long tenths = total == 0 ? 1000 : 1000LL * stats.translated / total;
  return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + '%';
}

class DictStatsCommand final : public Command {
public:
  explicit DictStatsCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("stats",
                                  "Count the translated, empty, missing and obsolete "
                                  "texts of a dictionary")) {
    m_app->add_option("dictionary", m_dictionary, "The dictionary")->required()->type_name("DICT");
    m_template.option = m_app
                            ->add_option("--template", m_template.text,
                                         "The template whose texts are to be translated")
                            ->type_name("T");
    m_min.option =
        m_app
            ->add_option("--min", m_min.text, "Exit with 1 when less than this share is translated")
            ->type_name("PERCENT");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    double minimum = 0;
    if (m_min.Given()) {
      const char* const end = m_min.text.data() + m_min.text.size();
      const auto [stop, error] = std::from_chars(m_min.text.data(), end, minimum);
      if (error != std::errc() || stop != end || m_min.text.empty() || !(minimum >= 0) ||
          minimum > 100) {
        err << "corekit: dict stats: --min '" << m_min.text << "' is no percentage (0 to 100)\n";
        return ExitUsage;
      }
    }
    DictStats stats;
    std::string unread;
    if (!CountDictionaryFiles(m_dictionary, m_template.Given() ? m_template.text : "", stats,
                              unread)) {
      err << "corekit: dict stats: cannot read '" << unread << "'\n";
      return ExitUsage;
    }
    out << "Translated  " << stats.translated << "\nEmpty       " << stats.empty << "\nMissing     "
        << stats.missing << "\nObsolete    " << stats.obsolete << "\nReview      " << stats.review
        << "\nShare       " << Percent(stats) << '\n';
    if (stats.Share() < minimum) {
      err << "corekit: dict stats: " << Percent(stats) << " translated, below " << m_min.text
          << "%\n";
      return ExitFailure;
    }
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_dictionary;
  RawOption m_template, m_min;
};

}  // namespace

std::unique_ptr<Command> AddDictStatsCommand(CLI::App& dict) {
  return std::make_unique<DictStatsCommand>(dict);
}

}  // namespace corekit::tool
