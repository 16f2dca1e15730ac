#pragma once

#include <cstdint>
#include <string>

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The receiver protocols whose frames the library recognises by framing and checksum.
enum class TGnssProtocol : int {
  None = 0,   // no protocol
  Nmea = 1,   // NMEA 0183 sentences: $ or !, address, fields, *hh, CR LF
  Ubx = 2,    // u-blox UBX: B5 62, class, id, length, payload, 8-bit Fletcher checksum
  Rtcm3 = 3,  // RTCM 3: D3, 10-bit length, message, CRC-24Q
  Sbf = 4,    // Septentrio Binary Format: "$@", CRC-16-CCITT, block id, length (a multiple of 4)
};

// The protocol's short name: "NMEA", "UBX", "RTCM3", "SBF"; "" for None.
COREKIT_API const char* GnssProtocolName(TGnssProtocol protocol);

// One frame found in a byte stream.
struct TGnssFrame {
  TGnssProtocol Protocol = TGnssProtocol::None;  // the protocol whose framing the frame has
  // The message: NMEA the sentence formatter ("GGA") or a proprietary sentence's name after its P
  // ("UBX" of $PUBX); UBX "NAV-PVT", or "0x01-0x99" for a class and id without a name; RTCM 3 and
  // SBF the message or block number ("1005", "4007"). Empty for an RTCM 3 frame too short to say.
  std::string Type;
  std::string Talker;  // NMEA only: the talker ("GP", "GN"), or "P" for a proprietary sentence
  ULONG Length = 0;  // bytes of the whole frame, from its first sync byte to its checksum or CR LF
  bool Valid = false;        // the checksum agrees with the frame's bytes
  ULONG Skipped = 0;         // bytes since the previous frame that lie in no frame (garbage)
  std::uint64_t Offset = 0;  // position of the frame's first byte in everything the scanner was fed
};
