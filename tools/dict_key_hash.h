#pragma once

// The key of a dictionary pair as a 64-bit FNV-1a hash, by which check and stats know the keys
// they have seen without holding the texts. A collision (about one in 10^7 among a million keys)
// would take two keys for one.

#include <cstdint>
#include <string>

namespace corekit::tool {

inline std::uint64_t DictKeyHash(const std::string& key) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : key) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  return hash;
}

}  // namespace corekit::tool
