#pragma once

// Little-endian numbers in byte buffers, as the Windows formats (.res images, menu templates,
// version blocks) and ELF files store them; the tests write and read their data with these.

#include <cstddef>
#include <cstdint>
#include <vector>

// Stores the low `width` bytes of value at `at`, lowest first.
inline void StoreLittleEndian(void* at, std::uint64_t value, std::size_t width) {
  auto* bytes = static_cast<unsigned char*>(at);
  for (std::size_t i = 0; i < width; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The number of `width` bytes at `at`, lowest first.
inline std::uint64_t LoadLittleEndian(const void* at, std::size_t width) {
  const auto* bytes = static_cast<const unsigned char*>(at);
  std::uint64_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

// Appends a WORD (2 bytes) or a DWORD (4 bytes).
inline void AppendWord(std::vector<unsigned char>& out, std::uint16_t value) {
  out.resize(out.size() + 2);
  StoreLittleEndian(out.data() + out.size() - 2, value, 2);
}
inline void AppendDword(std::vector<unsigned char>& out, std::uint32_t value) {
  out.resize(out.size() + 4);
  StoreLittleEndian(out.data() + out.size() - 4, value, 4);
}
