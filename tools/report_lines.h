#pragma once

// The tool's reports: one "label  value" line each, the values aligned in one column.

#include <string>
#include <utility>
#include <vector>

namespace corekit::tool {

using ReportLine = std::pair<std::string, std::string>;

// The lines, each label padded to the values' column.
std::string FormatReport(const std::vector<ReportLine>& lines);

}  // namespace corekit::tool
