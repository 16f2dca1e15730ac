#pragma once

// `corekit error CODE [--lang ID]`: the message text of an error code, as the library's reporter
// chain gives it in a language.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "corekit/platform/interface_types.h"
#include "tools/command.h"

namespace corekit::tool {

// An error code: hexadecimal ("0x80040510") or decimal, from -2147483648 up to 4294967295, read as
// its 32 bits ("-2147220208" and "2147747088" are both 0x80040510). False with a one-line reason.
bool ParseErrorCode(const std::string& text, LONG& code, std::string& error);

// The report: the code in hexadecimal and decimal, the thread's language and the code's text.
std::string FormatErrorReport(LONG code);

// Adds the `error` subcommand to the application.
std::unique_ptr<Command> AddErrorCommand(CLI::App& app);

}  // namespace corekit::tool
