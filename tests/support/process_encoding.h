#pragma once

#include <string>

// A UTF-8 text in the program's multibyte encoding (the ANSI code page on Windows), converted by
// the C library or the system, as a reference for the texts the library converts. Characters the
// encoding lacks become '?'; the plain ASCII "C" locale counts as UTF-8, as the library takes it.
std::string InProcessEncoding(const std::string& utf8);

// True when the program's multibyte encoding is UTF-8.
bool ProcessEncodingIsUtf8();

// True when the encoding is a double-byte one (GBK, Shift-JIS, EUC-JP, code pages 936 and 932),
// whose trail bytes may be backslashes.
bool ProcessEncodingIsDoubleByte();
