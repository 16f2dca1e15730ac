// Septentrio Binary Format blocks: "$@", CRC (16 bits), id (block number in the low 13 bits,
// revision in the top 3), length of the whole block (a multiple of 4, at least the 8 bytes of
// this header), body; all little-endian. The CRC is CRC-16-CCITT over id, length and body.

#include "corekit/gnss/frame_checksums.h"
#include "corekit/gnss/frame_format.h"

namespace corekit::internal {
namespace {

constexpr std::size_t Header = 8;
constexpr std::size_t MaxBlock = 65532;  // the largest multiple of 4 the length field holds

FrameCheck CheckSbf(const unsigned char* data, std::size_t size) {
  if (size < 2) return {FrameMatch::NeedMore};
  if (data[1] != '@') return {FrameMatch::NoFrame};
  if (size < Header) return {FrameMatch::NeedMore};
  const std::size_t length = data[6] | (data[7] << 8);
  if (length < Header || length % 4 != 0) return {FrameMatch::NoFrame};
  if (size < length) return {FrameMatch::NeedMore};
  return {FrameMatch::Complete, length,
          Crc16Ccitt(data + 4, length - 4) == (data[2] | (data[3] << 8))};
}

void DescribeSbf(const unsigned char* frame, std::size_t, TGnssFrame& out) {
  out.Type = std::to_string((frame[4] | (frame[5] << 8)) & 0x1FFF);
}

}  // namespace

const FrameFormat SbfFormat{TGnssProtocol::Sbf, "$", MaxBlock, CheckSbf, DescribeSbf};

}  // namespace corekit::internal
