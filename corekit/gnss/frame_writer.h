#pragma once

// Frames of the recognised protocols made from their contents, with sync bytes, lengths and
// checksums: the probe's poll messages, and test data. Each returns the frame's bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace corekit::internal {

// "$" + sentence + "*hh\r\n": NmeaSentence("GPGGA,1") is "$GPGGA,1*xx\r\n" with its checksum.
std::string NmeaSentence(std::string_view sentence);
// A UBX frame of a class, id and payload.
std::string UbxFrame(unsigned char messageClass, unsigned char id, std::string_view payload);
// An RTCM 3 frame of a message (at most 1023 bytes) whose first 12 bits are its number.
std::string Rtcm3Frame(std::string_view message);
// An RTCM 3 frame of a message number with a body of the given bytes after it.
std::string Rtcm3Message(unsigned number, std::string_view rest);
// An SBF block of a block number, revision and body (padded with zeros to a multiple of 4).
std::string SbfBlock(unsigned number, unsigned revision, std::string_view body);

}  // namespace corekit::internal
