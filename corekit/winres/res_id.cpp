#include "corekit/winres/res_id.h"

#include <cstdint>

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {
namespace {

std::string NumberKey(WORD number) { return 'N' + std::to_string(number); }

// The decimal number of "#123"; false when the text is not a '#' followed by digits that fit a
// WORD.
bool HashNumber(const char* text, WORD& number) {
  if (text[0] != '#' || text[1] == '\0') return false;
  unsigned long value = 0;
  for (const char* p = text + 1; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9' || value > 0xFFFF) return false;
    value = value * 10 + static_cast<unsigned long>(*p - '0');
  }
  if (value > 0xFFFF) return false;
  number = static_cast<WORD>(value);
  return true;
}

// The text key of an ASCII character: upper case; nothing for a character outside ASCII.
bool AddTextKey(std::string& key, char32_t c) {
  if (c >= 0x80) return false;
  key += static_cast<char>(c >= U'a' && c <= U'z' ? c - 32 : c);
  return true;
}

}  // namespace

char16_t ResId::At(std::size_t index) const {
  ByteReader reader(text, 2 * length);
  WORD unit = 0;
  if (reader.Seek(2 * index)) reader.Word(unit);
  return static_cast<char16_t>(unit);
}

std::optional<std::string> ResIdKey(const ResId& id) {
  if (id.isNumber) return NumberKey(id.number);
  std::string key = "T";
  for (std::size_t i = 0; i < id.length; ++i) {
    if (!AddTextKey(key, id.At(i))) return std::nullopt;
  }
  return key;
}

std::optional<std::string> ResIdKey(const char* wanted) {
  if (wanted == nullptr) return std::nullopt;
  if (IS_INTRESOURCE(wanted)) {
    return NumberKey(static_cast<WORD>(reinterpret_cast<std::uintptr_t>(wanted)));
  }
  WORD number = 0;
  if (HashNumber(wanted, number)) return NumberKey(number);
  std::string key = "T";
  for (const char* c = wanted; *c != '\0'; ++c) {
    if (!AddTextKey(key, static_cast<unsigned char>(*c))) return std::nullopt;
  }
  return key;
}

}  // namespace corekit::winres
