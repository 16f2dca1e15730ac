#pragma once

// Text for the tool's JSON output.

#include <string>

namespace corekit::tool {

// A JSON string of a text in the process's multibyte encoding (the ANSI code page on Windows): in
// UTF-8 whatever the code page, bytes that are no character of the encoding replaced, and quotes,
// backslashes and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace corekit::tool
