#pragma once

// `corekit dict check DICT`: the faults that translators make, each with its line.

#include <memory>
#include <string>
#include <vector>

#include "corekit/translate/encoding_check.h"
#include "tools/command.h"

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

// The faults of a dictionary text (as read in text mode), by line: in a translated pair, a
// placeholder (%d, %lx, %s, %1) missing, added or, for printf's, reordered; an & accelerator lost,
// added or doubled; a \t shortcut part lost or added; leading or trailing blanks that differ from
// the English text's; a key that appeared before (only the first counts); bytes that are no
// character of the encoding; a "]" outside a pair, which no text can hold; a "[" in a
// comment line; an incomplete pair at the end.
// Also what stops or changes the library's reading: a zero byte, a byte order mark of UTF-16 or
// UTF-32, or UTF-8's in a program of another encoding.
std::vector<DictFault> CheckDictionary(const std::string& text, const DictEncoding& encoding = {});

// The fault of a file's bytes that reading in text mode hides: a 0x1A byte, which ends the text,
// before more text. Line 0 when there is none.
DictFault CheckEndOfFileByte(const std::string& bytes);

// Adds the `check` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictCheckCommand(CLI::App& dict);

}  // namespace corekit::tool
