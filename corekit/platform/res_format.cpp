#include "corekit/platform/res_format.h"

#include <cstdint>

namespace corekit::platform {
namespace {

constexpr std::size_t Align4(std::size_t offset) {
  return (offset + 3) & ~static_cast<std::size_t>(3);
}

WORD ReadWord(const BYTE* at) { return static_cast<WORD>(at[0] | (at[1] << 8)); }

DWORD ReadDword(const BYTE* at) {
  return static_cast<DWORD>(at[0]) | (static_cast<DWORD>(at[1]) << 8) |
         (static_cast<DWORD>(at[2]) << 16) | (static_cast<DWORD>(at[3]) << 24);
}

// Reads a type or name field at offset within the header's end; false when it runs past it.
bool ReadId(const BYTE* header, std::size_t end, std::size_t& offset, ResId& id) {
  if (offset + 2 > end) return false;
  if (ReadWord(header + offset) == 0xFFFF) {
    if (offset + 4 > end) return false;
    id = ResId{true, ReadWord(header + offset + 2), nullptr, 0};
    offset += 4;
    return true;
  }
  id = ResId{false, 0, header + offset, 0};
  while (true) {
    if (offset + 2 > end) return false;
    const WORD unit = ReadWord(header + offset);
    offset += 2;
    if (unit == 0) return true;
    ++id.length;
  }
}

char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

// The decimal number of "#123"; false when the text is not a '#' followed by digits.
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

}  // namespace

char16_t ResId::At(std::size_t index) const {
  return static_cast<char16_t>(ReadWord(text + 2 * index));
}

bool NextResEntry(const BYTE* image, std::size_t imageSize, std::size_t& offset, ResEntry& entry) {
  if (image == nullptr || offset + 8 > imageSize) return false;
  const BYTE* header = image + offset;
  const DWORD dataSize = ReadDword(header);
  const DWORD headerSize = ReadDword(header + 4);
  // The fixed fields after the names take 16 bytes; the names at least 4 each.
  if (headerSize < 32 || headerSize > imageSize - offset ||
      dataSize > imageSize - offset - headerSize) {
    return false;
  }
  std::size_t at = 8;
  ResEntry read;
  if (!ReadId(header, headerSize, at, read.type) || !ReadId(header, headerSize, at, read.name))
    return false;
  at = Align4(at);
  if (at + 16 > headerSize) return false;
  read.language = ReadWord(header + at + 6);  // after the data version and the memory flags
  read.data = header + headerSize;
  read.size = dataSize;
  entry = read;
  offset = Align4(offset + headerSize + dataSize);
  return true;
}

bool ResIdMatches(const ResId& id, const char* wanted) {
  if (wanted == nullptr) return false;
  if (IS_INTRESOURCE(wanted)) {
    return id.isNumber && id.number == static_cast<WORD>(reinterpret_cast<std::uintptr_t>(wanted));
  }
  WORD number = 0;
  if (HashNumber(wanted, number)) return id.isNumber && id.number == number;
  if (id.isNumber) return false;
  std::size_t i = 0;
  for (; wanted[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(wanted[i]);
    if (c >= 0x80 || i >= id.length ||
        AsciiUpper(id.At(i)) != AsciiUpper(static_cast<char16_t>(c))) {
      return false;
    }
  }
  return i == id.length;
}

}  // namespace corekit::platform
