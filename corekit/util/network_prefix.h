#pragma once

// The prefix of a network path (\\host\share\...), compared byte by byte.

namespace corekit::internal {

// Two backslashes.
inline constexpr char NetworkPrefix[] = "\\\\";

// The prefix's length, 2, computed once when the library loads.
int NetworkPrefixLength() noexcept;

}  // namespace corekit::internal
