// TGnssFrameScanner: any bytes in any splitting. The frames found, the bytes held and the bytes
// skipped do not depend on the splitting; every frame lies within the input, starts where its
// protocol's sync bytes are, and no two valid frames share a byte; a valid frame scanned alone
// is that frame again.
//
// Input: two bytes that seed the splitting, then the stream.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "corekit/gnss/gnss_frame_scanner.h"
#include "fuzz/expect.h"

namespace {

struct Result {
  std::vector<TGnssFrame> frames;
  std::size_t held = 0;
  std::uint64_t skipped = 0;
};

bool Same(const TGnssFrame& a, const TGnssFrame& b) {
  return a.Protocol == b.Protocol && a.Type == b.Type && a.Talker == b.Talker &&
         a.Length == b.Length && a.Valid == b.Valid && a.Skipped == b.Skipped &&
         a.Offset == b.Offset;
}

// Feeds the bytes in pieces of 1 to 64 bytes drawn from the seed (all at once for seed 0).
Result Scan(const std::uint8_t* data, std::size_t size, std::uint32_t seed) {
  TGnssFrameScanner scanner;
  Result result;
  for (std::size_t at = 0; at < size;) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t piece = seed == 12345u ? size : 1 + (seed >> 16) % 64;
    const std::size_t count = piece < size - at ? piece : size - at;
    scanner.Feed(data + at, count, result.frames);
    at += count;
  }
  EXPECT(scanner.Position() == size);
  result.held = scanner.Held();
  result.skipped = scanner.Skipped();
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t seed = data[0] | (data[1] << 8);
  data += 2;
  size -= 2;

  const Result whole = Scan(data, size, 0);
  const Result split = Scan(data, size, seed);
  EXPECT(std::equal(whole.frames.begin(), whole.frames.end(), split.frames.begin(),
                    split.frames.end(), Same));
  EXPECT(whole.held == split.held && whole.skipped == split.skipped);
  EXPECT(whole.held <= TGnssFrameScanner::MaxHeld && whole.skipped + whole.held <= size);

  std::uint64_t validEnd = 0;
  std::uint64_t previous = 0;
  for (const TGnssFrame& frame : whole.frames) {
    EXPECT(frame.Length > 0 && frame.Offset + frame.Length <= size);
    const char* syncs = frame.Protocol == TGnssProtocol::Ubx     ? "\xB5"
                        : frame.Protocol == TGnssProtocol::Rtcm3 ? "\xD3"
                                                                 : "$!";
    EXPECT(frame.Offset >= previous &&
           std::memchr(syncs, data[frame.Offset], std::strlen(syncs)) != nullptr);
    previous = frame.Offset + 1;
    if (!frame.Valid) continue;
    EXPECT(frame.Offset >= validEnd);
    validEnd = frame.Offset + frame.Length;
    std::vector<TGnssFrame> alone;
    TGnssFrameScanner scanner;
    scanner.Feed(data + frame.Offset, frame.Length, alone);
    EXPECT(alone.size() == 1 && alone[0].Valid && alone[0].Type == frame.Type &&
           alone[0].Length == frame.Length && scanner.Held() == 0);
  }
  return 0;
}
