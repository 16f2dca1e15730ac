#include "corekit/core/sha1_digest.h"

#include <cstddef>

namespace corekit::internal {
namespace {

constexpr std::uint32_t Rotate(std::uint32_t x, int n) { return x << n | x >> (32 - n); }

void Compress(std::array<std::uint32_t, 5>& h, const unsigned char* block) {
  std::uint32_t w[80];
  for (int i = 0; i < 16; ++i) {
    w[i] = static_cast<std::uint32_t>(block[4 * i]) << 24 |
           static_cast<std::uint32_t>(block[4 * i + 1]) << 16 |
           static_cast<std::uint32_t>(block[4 * i + 2]) << 8 | block[4 * i + 3];
  }
  for (int i = 16; i < 80; ++i) w[i] = Rotate(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
  std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
  for (int i = 0; i < 80; ++i) {
    std::uint32_t f = 0, k = 0;
    if (i < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999;
    } else if (i < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDC;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6;
    }
    const std::uint32_t t = Rotate(a, 5) + f + e + k + w[i];
    e = d;
    d = c;
    c = Rotate(b, 30);
    b = a;
    a = t;
  }
  h[0] += a;
  h[1] += b;
  h[2] += c;
  h[3] += d;
  h[4] += e;
}

}  // namespace

std::array<std::uint32_t, 5> Sha1Digest(std::string_view bytes) {
  std::array<std::uint32_t, 5> h = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  const std::size_t rest = bytes.size() % 64;
  const std::size_t at = bytes.size() - rest;
  for (std::size_t block = 0; block < at; block += 64)
    Compress(h, reinterpret_cast<const unsigned char*>(bytes.data() + block));
  // The last bytes, a 1 bit, zeros, and the length in bits in the last 8 bytes of a block.
  unsigned char tail[128] = {};
  for (std::size_t i = 0; i < rest; ++i) tail[i] = static_cast<unsigned char>(bytes[at + i]);
  tail[rest] = 0x80;
  const std::size_t tailSize = rest + 9 <= 64 ? 64 : 128;
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
  for (int i = 0; i < 8; ++i) tail[tailSize - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
  for (std::size_t block = 0; block < tailSize; block += 64) Compress(h, tail + block);
  return h;
}

}  // namespace corekit::internal
