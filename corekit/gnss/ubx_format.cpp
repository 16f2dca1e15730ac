// u-blox UBX frames: B5 62, class, id, payload length (16 bits, little-endian), payload, and the
// 8-bit Fletcher checksum CK_A CK_B over class, id, length and payload.

#include "corekit/core/hex_text.h"
#include "corekit/gnss/frame_checksums.h"
#include "corekit/gnss/frame_format.h"

namespace corekit::internal {
namespace {

constexpr std::size_t Header = 6;  // sync, class, id, length
constexpr std::size_t Overhead = Header + 2;

FrameCheck CheckUbx(const unsigned char* data, std::size_t size) {
  if (size < 2) return {FrameMatch::NeedMore};
  if (data[1] != 0x62) return {FrameMatch::NoFrame};
  if (size < Header) return {FrameMatch::NeedMore};
  const std::size_t length = Overhead + (data[4] | (data[5] << 8));
  if (size < length) return {FrameMatch::NeedMore};
  const std::uint16_t sum = UbxChecksum(data + 2, length - 4);
  return {FrameMatch::Complete, length,
          data[length - 2] == (sum & 0xFF) && data[length - 1] == (sum >> 8)};
}

void DescribeUbx(const unsigned char* frame, std::size_t, TGnssFrame& out) {
  const char* name = UbxMessageName(frame[2], frame[3]);
  out.Type = name != nullptr
                 ? name
                 : "0x" + HexText(frame[2], 2, true) + "-0x" + HexText(frame[3], 2, true);
}

}  // namespace

const FrameFormat UbxFormat{TGnssProtocol::Ubx, "\xB5", 65535 + Overhead, CheckUbx, DescribeUbx};

}  // namespace corekit::internal
