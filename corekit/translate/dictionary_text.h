#pragma once

// Reading and writing dictionary files (Translate/<language>/<name>.txt) exactly as the library
// reads them, for programs that check, merge or write dictionaries. A dictionary holds pairs
// [key][value]; text outside the pairs is ignored as long as it holds no "[". In keys and values
// \n, \t, \r and
// \\ stand for a line feed, a tab, a carriage return and a backslash.

#include <cstddef>
#include <string>
#include <string_view>

#include "corekit/core/kstring.h"
#include "corekit/export.h"

// Where one pair of a dictionary text lies: the brackets around its key and its value.
struct TDictionaryPair {
  // The opening and closing bracket of the key, then of the value, inside the text.
  const char* keyOpen = nullptr;
  const char* keyClose = nullptr;
  const char* valueOpen = nullptr;
  const char* valueClose = nullptr;
};

// The first complete pair of the NUL-terminated text, stepping over whole characters of the
// process's multibyte encoding; false when no complete pair is left. Scanning goes on after
// pair.valueClose.
COREKIT_API bool NextDictionaryPair(const char* text, TDictionaryPair& pair);

// A key or value as the dictionary holds it: \n, \t, \r and \\ replaced, in this order, each over
// the whole text (so the three characters \\n become a backslash and a line feed).
COREKIT_API KString UnescapeDictionaryText(const char* first, const char* end);

// A key or value as written between brackets, the inverse of UnescapeDictionaryText: backslash,
// line feed, tab and carriage return as \\, \n, \t, \r. EscapeDictionaryText("C:\\x\n") is
// "C:\\\\x\\n".
COREKIT_API std::string EscapeDictionaryText(std::string_view text);

// A pair on a line of its own: "[" escaped key "][" escaped value "]" and a line feed. The library
// reads it back as written when DictionaryTextWritable holds for both texts.
COREKIT_API std::string DictionaryPairLine(std::string_view key, std::string_view value);

// True when the library reads EscapeDictionaryText(text) back as text: it holds no "]" (a whole
// character of the process's encoding), no zero or end-of-file byte (0x1A), and no backslash before
// n, t or r that the escapes would take.
COREKIT_API bool DictionaryTextWritable(std::string_view text);

// The whole file as the library reads a dictionary, in text mode: each CR LF pair reads as one LF
// and a byte 0x1A ends the text. False when the file cannot be opened.
COREKIT_API bool ReadDictionaryFile(const char* path, std::string& content);

// The offset of the first byte of text[0, size) that starts no valid character of the process's
// multibyte encoding (the ANSI code page on Windows), or size when all are valid. In UTF-8,
// FindInvalidMultibyte("a\xC3(", 3) is 1.
COREKIT_API std::size_t FindInvalidMultibyte(const char* text, std::size_t size);
