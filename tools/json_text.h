#pragma once

// Text for the tool's JSON output.

#include <string>

namespace corekit::tool {

// A JSON string of a text in the process's multibyte encoding (the ANSI code page on Windows):
// converted to UTF-8, as JSON is whatever the code page, bytes that are no character of the
// encoding replaced, quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace corekit::tool
