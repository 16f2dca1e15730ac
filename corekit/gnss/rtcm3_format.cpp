// RTCM 3 frames: D3, six reserved bits (zero), a 10-bit message length, the message, whose first
// 12 bits are its number, and CRC-24Q over everything before it (three bytes, big-endian).

#include "corekit/gnss/frame_checksums.h"
#include "corekit/gnss/frame_format.h"

namespace corekit::internal {
namespace {

constexpr std::size_t Header = 3;
constexpr std::size_t Overhead = Header + 3;

FrameCheck CheckRtcm3(const unsigned char* data, std::size_t size) {
  if (size < 2) return {FrameMatch::NeedMore};
  if ((data[1] & 0xFC) != 0) return {FrameMatch::NoFrame};
  if (size < Header) return {FrameMatch::NeedMore};
  const std::size_t message = ((data[1] & 0x03) << 8) | data[2];
  const std::size_t length = Overhead + message;
  if (size < length) return {FrameMatch::NeedMore};
  const std::uint32_t written =
      (std::uint32_t(data[length - 3]) << 16) | (data[length - 2] << 8) | data[length - 1];
  return {FrameMatch::Complete, length, Crc24q(data, length - 3) == written};
}

void DescribeRtcm3(const unsigned char* frame, std::size_t length, TGnssFrame& out) {
  if (length >= Overhead + 2) out.Type = std::to_string((frame[3] << 4) | (frame[4] >> 4));
}

}  // namespace

const FrameFormat Rtcm3Format{TGnssProtocol::Rtcm3, "\xD3", 1023 + Overhead, CheckRtcm3,
                              DescribeRtcm3};

}  // namespace corekit::internal
