#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

constexpr std::size_t LabelWidth = 19;

}  // namespace

std::string FormatReport(const std::vector<ReportLine>& lines) {
  std::string text;
  for (const auto& [label, value] : lines) {
    std::string line = label;
    line.resize(LabelWidth, ' ');
    text += line + value + '\n';
  }
  return text;
}

}  // namespace corekit::tool
