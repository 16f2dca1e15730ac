// NMEA 0183 sentences: '$' or '!', an address of capitals and digits (talker and formatter, or P
// and a maker's name), fields of printable characters, '*', two hex digits of the exclusive or of
// everything between the first character and the '*', CR LF. The standard allows 82 characters,
// but receivers send longer ones (proprietary position sentences, high-precision modes): up to 256
// are taken.

#include "corekit/core/hex_text.h"
#include "corekit/gnss/frame_checksums.h"
#include "corekit/gnss/frame_format.h"

namespace corekit::internal {
namespace {

constexpr std::size_t MaxSentence = 256;
constexpr std::size_t MinAddress = 3;  // a talker and a letter, or P and two

bool IsAddressChar(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Printable, and none of the characters that start a sentence or its checksum.
bool IsFieldChar(unsigned char c) {
  return c >= 0x20 && c <= 0x7E && c != '$' && c != '!' && c != '*';
}

std::size_t AddressEnd(const unsigned char* data, std::size_t size) {
  std::size_t end = 1;
  while (end < size && IsAddressChar(data[end])) ++end;
  return end;
}

FrameCheck CheckNmea(const unsigned char* data, std::size_t size) {
  const std::size_t limit = size < MaxSentence ? size : MaxSentence;
  const FrameCheck undecided{size >= MaxSentence ? FrameMatch::NoFrame : FrameMatch::NeedMore};
  std::size_t star = AddressEnd(data, limit);
  if (star == limit) return undecided;
  if (star - 1 < MinAddress || (data[star] != ',' && data[star] != '*'))
    return {FrameMatch::NoFrame};
  while (star < limit && data[star] != '*') {
    if (!IsFieldChar(data[star])) return {FrameMatch::NoFrame};
    ++star;
  }
  if (star == limit) return undecided;
  const std::size_t length = star + 5;  // '*', two digits, CR LF
  if (length > MaxSentence) return {FrameMatch::NoFrame};
  for (std::size_t i = star + 1; i < length; ++i) {
    if (i >= size) return {FrameMatch::NeedMore};
    const bool fits =
        i < star + 3 ? HexDigitValue(char(data[i])) >= 0 : data[i] == (i == star + 3 ? '\r' : '\n');
    if (!fits) return {FrameMatch::NoFrame};
  }
  const int written =
      HexDigitValue(char(data[star + 1])) * 16 + HexDigitValue(char(data[star + 2]));
  return {FrameMatch::Complete, length, NmeaChecksum(data + 1, star - 1) == written};
}

void DescribeNmea(const unsigned char* frame, std::size_t length, TGnssFrame& out) {
  const std::string address(reinterpret_cast<const char*>(frame) + 1,
                            AddressEnd(frame, length) - 1);
  const std::size_t talker = address[0] == 'P' ? 1 : 2;
  out.Talker = address.substr(0, talker);
  out.Type = address.substr(talker);
}

}  // namespace

const FrameFormat NmeaFormat{TGnssProtocol::Nmea, "$!", MaxSentence, CheckNmea, DescribeNmea};

}  // namespace corekit::internal
