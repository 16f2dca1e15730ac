#pragma once

// Searches in text of the process's multibyte encoding (the ANSI code page on Windows, the C
// library's LC_CTYPE encoding on POSIX). They step over whole characters, so that the trail byte of
// a double-byte character is never taken for a separator, a colon or a dot. The text is
// NUL-terminated; the searched characters are single-byte (ASCII).

#include <cstddef>

namespace corekit::platform {

// The first c in text, or null. MultibyteFind("a\\b", '\\') points at the backslash.
const char* MultibyteFind(const char* text, char c) noexcept;

// The last c in text, or null.
const char* MultibyteFindLast(const char* text, char c) noexcept;

// The first character of text that is one of the set, or null.
const char* MultibyteFindAny(const char* text, const char* set) noexcept;

// The start of the character before position, where start <= position and both lie in one text;
// null when position is start.
const char* MultibytePrevious(const char* start, const char* position) noexcept;

// The offset of the first byte of text[0, size) that starts no valid character of the encoding
// (a stray or cut sequence, a byte the code page leaves undefined), or size when all are valid. A
// zero byte counts as a character. In UTF-8, MultibyteInvalidAt("a\xC3(", 3) is 1.
std::size_t MultibyteInvalidAt(const char* text, std::size_t size) noexcept;

}  // namespace corekit::platform
