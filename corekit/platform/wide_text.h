#pragma once

#include <cstddef>
#include <string>

namespace corekit::platform {

// UTF-16 text converted to the process's multibyte encoding (the ANSI code page on Windows);
// characters the encoding lacks become its default character.
std::string WideToMultibyte(const char16_t* text, std::size_t length);

}  // namespace corekit::platform
