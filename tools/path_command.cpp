#include "tools/path_command.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <utility>

#include "tools/number_text.h"
#include "tools/raw_option.h"
#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

std::string Shown(const KString& text) {
  return text.IsEmpty() ? std::string("(empty)") : std::string(text.GetString());
}

// A composition, or why it has no text although a selected part has one.
std::string Composition(const TSplitPath& path, unsigned int parts) {
  const KString text = path.Compose(parts);
  if (text.IsEmpty() && path.HasParts(parts)) return "(longer than 259 characters)";
  return Shown(text);
}

class PathCommand final : public Command {
public:
  explicit PathCommand(CLI::App& app)
      : m_app(app.add_subcommand("path", "Split a Windows path into its parts and compose them")) {
    m_app->footer(
        "The path is read in Windows syntax on every system: \\ and / both separate, a network "
        "path begins with \\\\, a volume ends with a colon; compositions write \\.");
    m_app->add_option("text", m_text, "The path, such as C:\\data\\survey.job")
        ->required()
        ->type_name("TEXT");
    m_squeeze.option = m_app
                           ->add_option("--squeeze", m_squeeze.text,
                                        "Also print the path squeezed to at most N characters")
                           ->type_name("N");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::optional<int> squeeze;
    if (m_squeeze.Given()) {
      std::int32_t length = 0;
      switch (ParseSigned32(m_squeeze.text, length)) {
        case NumberStatus::Ok:
          squeeze = length;
          break;
        case NumberStatus::NotANumber:
          err << "corekit: path: --squeeze: '" << m_squeeze.text << "' is not a whole number\n";
          return ExitUsage;
        case NumberStatus::OutOfRange:
          err << "corekit: path: --squeeze: " << m_squeeze.text
              << " is out of range (-2147483648 to 2147483647)\n";
          return ExitUsage;
      }
    }
    out << FormatPath(TSplitPath(m_text.c_str()), squeeze);
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_text;
  RawOption m_squeeze;
};

}  // namespace

std::string FormatPath(const TSplitPath& path, std::optional<int> squeeze) {
  std::vector<ReportLine> lines = {
      {"Network path", path.unc ? "yes" : "no"},
      {"Host", Shown(path.host)},
      {"Volume", Shown(path.volume)},
      {"Directory", Shown(path.dir)},
      {"Name", Shown(path.name)},
      {"Extension", Shown(path.ext)},
      {"All parts", Composition(path, TSplitPath::AllParts)},
      {"Root", Composition(path, TSplitPath::HostPart | TSplitPath::VolumePart)},
      {"Folder",
       Composition(path, TSplitPath::HostPart | TSplitPath::VolumePart | TSplitPath::DirPart)},
      {"Without folder", Composition(path, TSplitPath::AllParts & ~unsigned(TSplitPath::DirPart))},
      {"File name", Composition(path, TSplitPath::NamePart | TSplitPath::ExtPart)},
  };
  if (squeeze) {
    const KString squeezed = path.Squeezed(*squeeze);
    lines.emplace_back("Squeezed to " + std::to_string(*squeeze),
                       squeezed.IsEmpty() ? std::string("(nothing fits)") : squeezed.GetString());
  }
  return FormatReport(lines);
}

std::unique_ptr<Command> AddPathCommand(CLI::App& app) {
  return std::make_unique<PathCommand>(app);
}

}  // namespace corekit::tool
