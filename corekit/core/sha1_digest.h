#pragma once

// SHA-1 (FIPS 180-4) of a byte string, for checking the hash line of a leap-second list.
// Internal: not exported.

#include <array>
#include <cstdint>
#include <string_view>

namespace corekit::internal {

// The five 32-bit words of the digest of the bytes.
std::array<std::uint32_t, 5> Sha1Digest(std::string_view bytes);

}  // namespace corekit::internal
