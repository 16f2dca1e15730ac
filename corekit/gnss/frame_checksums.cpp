#include "corekit/gnss/frame_checksums.h"

#include <array>

namespace corekit::internal {
namespace {

// The table of a most-significant-bit-first CRC of `width` bits, for one byte at a time.
template <typename Value, int width>
constexpr std::array<Value, 256> CrcTable(Value polynomial) {
  std::array<Value, 256> table{};
  const Value top = Value(1) << (width - 1);
  const Value mask = width == sizeof(Value) * 8 ? Value(~Value(0)) : Value((Value(1) << width) - 1);
  for (unsigned byte = 0; byte < 256; ++byte) {
    Value crc = Value(byte) << (width - 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & top) ? Value((crc << 1) ^ polynomial) : Value(crc << 1);
    table[byte] = crc & mask;
  }
  return table;
}

constexpr auto Crc24Table = CrcTable<std::uint32_t, 24>(0x864CFB);
constexpr auto Crc16Table = CrcTable<std::uint16_t, 16>(0x1021);

}  // namespace

std::uint8_t NmeaChecksum(const unsigned char* data, std::size_t size) {
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < size; ++i) sum ^= data[i];
  return sum;
}

std::uint16_t UbxChecksum(const unsigned char* data, std::size_t size) {
  std::uint8_t a = 0;
  std::uint8_t b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = std::uint8_t(a + data[i]);
    b = std::uint8_t(b + a);
  }
  return std::uint16_t(a | (b << 8));
}

std::uint32_t Crc24q(const unsigned char* data, std::size_t size) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < size; ++i)
    crc = ((crc << 8) ^ Crc24Table[((crc >> 16) ^ data[i]) & 0xFF]) & 0xFFFFFF;
  return crc;
}

std::uint16_t Crc16Ccitt(const unsigned char* data, std::size_t size) {
  std::uint16_t crc = 0;
  for (std::size_t i = 0; i < size; ++i)
    crc = std::uint16_t((crc << 8) ^ Crc16Table[((crc >> 8) ^ data[i]) & 0xFF]);
  return crc;
}

}  // namespace corekit::internal
