#pragma once

#include <string>
#include <string_view>

#include "corekit/export.h"

// Text of the process's multibyte encoding (the ANSI code page on Windows) as UTF-8, for files and
// protocols that are UTF-8 whatever the locale (JSON); bytes that are no character of the encoding
// become a substitute, so the result is always well-formed. ToUTF8("\xE9") is "\xC3\xA9" in Latin-1.
COREKIT_API std::string ToUTF8(std::string_view text);
