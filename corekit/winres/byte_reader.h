#pragma once

// A cursor over the little-endian bytes of a resource, the one way the resource readers read them:
// every read checks the bounds and fails, without reading, when the bytes run out.

#include <cstddef>
#include <string>

#include "corekit/platform/types.h"

namespace corekit::winres {

// The offset rounded up to the next multiple of four, where resource structures start.
// AlignToDword(5) is 8.
constexpr std::size_t AlignToDword(std::size_t offset) {
  return (offset + 3) & ~static_cast<std::size_t>(3);
}

class ByteReader {
public:
  ByteReader(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}

  std::size_t Position() const { return m_at; }
  std::size_t Remaining() const { return m_size - m_at; }
  bool AtEnd() const { return m_at >= m_size; }

  // Moves to the offset from the start; false when it lies past the end.
  bool Seek(std::size_t offset) {
    if (offset > m_size) return false;
    m_at = offset;
    return true;
  }

  bool Skip(std::size_t count) { return count <= Remaining() && Seek(m_at + count); }

  // Moves to the next multiple of four bytes from the start.
  bool SkipToDword() { return Skip(AlignToDword(m_at) - m_at); }

  bool Word(WORD& value) {
    if (Remaining() < 2) return false;
    value = static_cast<WORD>(m_data[m_at] | (m_data[m_at + 1] << 8));
    m_at += 2;
    return true;
  }

  bool Dword(DWORD& value) {
    if (Remaining() < 4) return false;
    value = static_cast<DWORD>(m_data[m_at]) | (static_cast<DWORD>(m_data[m_at + 1]) << 8) |
            (static_cast<DWORD>(m_data[m_at + 2]) << 16) |
            (static_cast<DWORD>(m_data[m_at + 3]) << 24);
    m_at += 4;
    return true;
  }

  // Count UTF-16 code units into text.
  bool Units(std::size_t count, std::u16string& text) {
    if (count > Remaining() / 2) return false;
    text.clear();
    text.reserve(count);
    for (WORD unit = 0; text.size() < count && Word(unit);) text += static_cast<char16_t>(unit);
    return true;
  }

  // A NUL-terminated UTF-16 text, into text without its terminator.
  bool Text(std::u16string& text) {
    text.clear();
    for (WORD unit = 0;;) {
      if (!Word(unit)) return false;
      if (unit == 0) return true;
      text += static_cast<char16_t>(unit);
    }
  }

  // Passes over a NUL-terminated UTF-16 text; length is its count of code units without the
  // terminator.
  bool SkipText(std::size_t& length) {
    length = 0;
    for (WORD unit = 0;; ++length) {
      if (!Word(unit)) return false;
      if (unit == 0) return true;
    }
  }

private:
  const BYTE* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

}  // namespace corekit::winres
