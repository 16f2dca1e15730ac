#pragma once

// The checksums of the receiver protocols, over a run of bytes.

#include <cstddef>
#include <cstdint>

namespace corekit::internal {

// NMEA 0183: the exclusive or of the bytes.
std::uint8_t NmeaChecksum(const unsigned char* data, std::size_t size);
// UBX: the 8-bit Fletcher checksum, CK_A in the low byte and CK_B in the high byte.
std::uint16_t UbxChecksum(const unsigned char* data, std::size_t size);
// RTCM 3: CRC-24Q (polynomial 0x864CFB, initial value 0).
std::uint32_t Crc24q(const unsigned char* data, std::size_t size);
// SBF: CRC-16-CCITT (polynomial 0x1021, initial value 0, no reflection).
std::uint16_t Crc16Ccitt(const unsigned char* data, std::size_t size);

}  // namespace corekit::internal
