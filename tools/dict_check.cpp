#include "tools/dict_check.h"

#include <algorithm>
#include <string_view>

#include "corekit/translate/dictionary_text.h"
#include "tools/dict_key_hash.h"

namespace corekit::tool {
namespace {

bool ByLine(const DictFault& a, const DictFault& b) { return a.line < b.line; }

DictFault ZeroByteFault(int line) {
  return {line, "a zero byte: the library reads nothing after it"};
}

DictFault EndOfFileByteFault(int line) {
  return {line, "a byte 0x1A ends the text: the library reads nothing after it"};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Percents {
  int literal = 0;  // "%%"
  int lone = 0;     // a "%" that starts nothing
};

// The placeholders of a text in order: printf's conversions (%d, %5.2f, %lx, %I64d, %S) and the
// numbered inserts of system messages (%1, %2!d!). %% is none.
Percents Placeholders(const std::string& text, std::vector<std::string>& printf,
                      std::vector<std::string>& numbered) {
  Percents percents;
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    std::size_t end = at + 1;
    if (end < text.size() && text[end] == '%') {
      ++percents.literal;
      at = end + 1;
      continue;
    }
    while (end < text.size() && std::string_view("-+ #0").find(text[end]) != std::string::npos) {
      ++end;
    }
    const std::size_t digits = end;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == '.' || text[end] == '*')) ++end;
    while (end < text.size() &&
           std::string_view("hlLzjtqI64").find(text[end]) != std::string::npos) {
      ++end;
    }
    if (end < text.size() &&
        std::string_view("diouxXeEfgGaAcCsSpn").find(text[end]) != std::string::npos) {
      printf.push_back(text.substr(at, end + 1 - at));
      at = end + 1;
    } else if (digits == at + 1 && digits < text.size() && IsDigit(text[digits]) &&
               text[digits] != '0') {
      std::size_t number = digits;
      while (number < text.size() && IsDigit(text[number])) ++number;
      numbered.push_back(text.substr(at, number - at));
      at = number;
    } else {
      ++percents.lone;
      at = at + 1;
    }
  }
  return percents;
}

// How many & mark an accelerator (&& is a plain ampersand).
int Accelerators(const std::string& text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (i + 1 < text.size() && text[i + 1] == '&') {
      ++i;
    } else {
      ++count;
    }
  }
  return count;
}

std::string Leading(const std::string& text) {
  return text.substr(0, std::min(text.size(), text.find_first_not_of(" \n\r")));
}

std::string Trailing(const std::string& text) {
  const std::size_t last = text.find_last_not_of(" \n\r");
  return last == std::string::npos ? text : text.substr(last + 1);
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
  return text.empty() ? "none" : text;
}

void CheckPair(const DictEntry& entry, std::vector<DictFault>& faults) {
  const auto fault = [&](const std::string& what) { faults.push_back({entry.line, what}); };
  std::vector<std::string> keyPrintf, keyNumbered, valuePrintf, valueNumbered;
  const Percents keyPercents = Placeholders(entry.key, keyPrintf, keyNumbered);
  const Percents valuePercents = Placeholders(entry.value, valuePrintf, valueNumbered);
  if (keyPrintf != valuePrintf) {
    std::vector<std::string> a = keyPrintf, b = valuePrintf;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    fault(a == b ? "placeholders reordered: " + Joined(keyPrintf) + " became " + Joined(valuePrintf)
                 : "placeholders differ: the English text has " + Joined(keyPrintf) +
                       ", the translation " + Joined(valuePrintf));
  }
  // In a text with "%%" every percent sign is written so; a lone one would start a placeholder.
  if (keyPercents.literal > 0 && valuePercents.lone > 0) {
    fault("a lone % where the English text writes %%");
  }
  // Numbered inserts may change their order; each must stay.
  std::sort(keyNumbered.begin(), keyNumbered.end());
  std::sort(valueNumbered.begin(), valueNumbered.end());
  if (keyNumbered != valueNumbered) {
    fault("inserts differ: the English text has " + Joined(keyNumbered) + ", the translation " +
          Joined(valueNumbered));
  }
  const int keyAccelerators = Accelerators(entry.key);
  const int valueAccelerators = Accelerators(entry.value);
  if (valueAccelerators > 1) {
    fault("more than one & accelerator");
  } else if (keyAccelerators > 0 && valueAccelerators == 0) {
    fault("the & accelerator is lost");
  } else if (keyAccelerators == 0 && valueAccelerators > 0) {
    fault("an & accelerator that the English text does not have (&& writes an ampersand)");
  }
  const bool keyTab = entry.key.find('\t') != std::string::npos;
  const bool valueTab = entry.value.find('\t') != std::string::npos;
  if (keyTab && !valueTab) fault("the \\t shortcut part is lost");
  if (!keyTab && valueTab) fault("a \\t that the English text does not have");
  if (Leading(entry.key) != Leading(entry.value))
    fault("leading blanks differ from the English text's");
  if (Trailing(entry.key) != Trailing(entry.value)) {
    fault("trailing blanks differ from the English text's");
  }
}

// True when the encoding is UTF-8: its three-byte form is a character, a lone 0xFF none.
bool Utf8Encoding(const DictEncoding& encoding) {
  return encoding.InvalidAt("\xE4\xB8\x80", 3) == 3 && encoding.InvalidAt("\xFF", 1) == 0;
}

// A byte order mark at the start that changes the library's reading of the text.
void CheckByteOrderMark(const std::string& text, const DictEncoding& encoding,
                        std::vector<DictFault>& faults) {
  const struct {
    std::string_view mark, name;
  } marks[] = {{{"\xFF\xFE\0\0", 4}, "UTF-32"},
               {{"\0\0\xFE\xFF", 4}, "UTF-32"},
               {"\xFF\xFE", "UTF-16"},
               {"\xFE\xFF", "UTF-16"}};
  for (const auto& [mark, name] : marks) {
    if (text.starts_with(mark)) {
      faults.push_back({1, "a " + std::string(name) + " byte order mark: the file is in " +
                               std::string(name) + ", the library reads it byte for byte"});
      break;
    }
  }
  if (text.starts_with("\xEF\xBB\xBF") && !Utf8Encoding(encoding)) {
    faults.push_back({1, "a UTF-8 byte order mark: the file is in UTF-8, not in this encoding"});
  }
}

}  // namespace

std::size_t DictEncoding::InvalidAt(const char* text, std::size_t size) const {
  return check != nullptr ? check->InvalidAt(text, size) : FindInvalidMultibyte(text, size);
}

std::vector<DictFault> DictChecker::Check(const std::string& text, int firstLine,
                                          const DictDocument& document) {
  std::vector<DictFault> faults;
  if (m_first) CheckByteOrderMark(text, m_encoding, faults);
  m_first = false;
  for (const DictStray& stray : document.strays) faults.push_back({stray.line, stray.what});
  for (const DictEntry& entry : document.entries) {
    const auto [first, added] = m_firstLines.emplace(DictKeyHash(entry.key), entry.line);
    if (!added) {
      faults.push_back({entry.line, "the key of line " + std::to_string(first->second) +
                                        " again; only the first counts"});
    } else if (!entry.value.empty()) {
      CheckPair(entry, faults);
    }
  }
  // One fault for each line with bytes that are no character of the encoding: the named one when
  // given, else the process's. A line that the last piece began is checked in two parts, which
  // meet after a "]", a whole character.
  int line = firstLine;
  for (std::size_t at = 0; at < text.size(); ++line) {
    std::size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end;
    const std::size_t size = end - at;
    if (line != m_encodingLine && m_encoding.InvalidAt(text.data() + at, size) < size) {
      faults.push_back(
          {line, m_encoding.check != nullptr
                     ? "bytes that are no character of " + m_encoding.name
                     : "bytes that are no character of this encoding (is the file in another?)"});
      m_encodingLine = line;
    }
    at = end + 1;
  }
  std::stable_sort(faults.begin(), faults.end(), ByLine);
  return faults;
}

std::vector<DictFault> CheckDictionary(const std::string& text, const DictEncoding& encoding) {
  const std::size_t zero = text.find('\0');
  const std::string read = text.substr(0, zero);
  std::vector<DictFault> faults = DictChecker(encoding).Check(read, 1, ParseDictDocument(read));
  if (zero != std::string::npos) {
    faults.push_back(
        ZeroByteFault(1 + static_cast<int>(std::count(read.begin(), read.end(), '\n'))));
  }
  return faults;
}

bool CheckDictionaryFile(const std::string& path, const DictEncoding& encoding,
                         const std::function<void(const DictFault&)>& report) {
  DictChecker checker(encoding);
  DictFileReader reader;
  const bool read =
      ReadDictPieces(path, reader, [&](const std::string& text, int line, DictDocument& piece) {
        for (const DictFault& fault : checker.Check(text, line, piece)) report(fault);
      });
  if (!read) return false;
  if (reader.ZeroByteLine() != 0) report(ZeroByteFault(reader.ZeroByteLine()));
  if (reader.EndOfFileByteLine() != 0) report(EndOfFileByteFault(reader.EndOfFileByteLine()));
  return true;
}

}  // namespace corekit::tool
