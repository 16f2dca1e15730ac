#pragma once

// The checks of `corekit dict check`: the faults that translators make, each with its line.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "corekit/translate/encoding_check.h"
#include "tools/dict_document.h"

namespace corekit::tool {

struct DictFault {
  int line = 0;
  std::string what;
};

// The encoding a dictionary is checked for: the process's when check is null.
struct DictEncoding {
  const TEncodingCheck* check = nullptr;
  std::string name;  // as the user gave it

  // The offset of the first byte of text[0, size) that starts no character, or size.
  std::size_t InvalidAt(const char* text, std::size_t size) const;
};

// Checks a dictionary piece by piece, as ReadDictPieces hands it on, holding no more of it than
// the first line of each English text (by a 64-bit hash of it).
// The faults: in a translated pair, a placeholder (%d, %lx, %s, %1) missing, added or, for
// printf's, reordered; an & accelerator lost, added or doubled; a \t shortcut part lost or added;
// leading or trailing blanks that differ from the English text's; a key that appeared before
// (only the first counts); bytes that are no character of the encoding; a "]" outside a pair,
// which no text can hold; a "[" in a comment line; an incomplete pair at the end. Also what
// changes the library's reading: a byte order mark of UTF-16 or UTF-32, or UTF-8's in a program
// of another encoding.
class DictChecker {
public:
  explicit DictChecker(DictEncoding encoding) : m_encoding(std::move(encoding)) {}

  // The faults of the next piece: its text, which starts on line firstLine, and its document.
  std::vector<DictFault> Check(const std::string& text, int firstLine,
                               const DictDocument& document);

private:
  DictEncoding m_encoding;
  std::unordered_map<std::uint64_t, int> m_firstLines;  // the line of each key's first pair
  bool m_first = true;                                  // the next piece starts the file
  int m_encodingLine = 0;                               // the last line with an encoding fault
};

// The faults of a whole dictionary text (as read in text mode), by line, with a zero byte, after
// which the library reads nothing.
std::vector<DictFault> CheckDictionary(const std::string& text, const DictEncoding& encoding = {});

// Checks the file at path piece by piece, handing report each fault in the order of the lines;
// false when the file cannot be opened or read.
bool CheckDictionaryFile(const std::string& path, const DictEncoding& encoding,
                         const std::function<void(const DictFault&)>& report);

}  // namespace corekit::tool
