#pragma once

// Text for the tool's JSON output.

#include <string>

namespace corekit::tool {

// A JSON string: quotes, backslashes and control characters escaped, other bytes as they are.
std::string JsonString(const std::string& text);

}  // namespace corekit::tool
