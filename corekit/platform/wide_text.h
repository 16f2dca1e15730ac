#pragma once

#include <cstddef>
#include <string>

namespace corekit::platform {

// UTF-16 text converted to the process's multibyte encoding (the ANSI code page on Windows);
// characters the encoding lacks become its default character.
std::string WideToMultibyte(const char16_t* text, std::size_t length);

// Text of the process's multibyte encoding converted to UTF-8. Bytes that are no character of the
// encoding become a substitute (U+FFFD where the system has no other), so the result is always
// well-formed UTF-8.
std::string MultibyteToUtf8(const char* text, std::size_t length);

}  // namespace corekit::platform
