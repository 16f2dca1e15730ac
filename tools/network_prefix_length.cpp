// The tool compiles the library's path code as its own, since the library keeps that code
// internal. This is the start-up object the code reads, which in the library lives among the
// library's static objects.

#include <cstring>

#include "corekit/util/network_prefix.h"

namespace corekit::internal {
namespace {

const int g_networkPrefixLength = static_cast<int>(std::strlen(NetworkPrefix));

}  // namespace

int NetworkPrefixLength() noexcept { return g_networkPrefixLength; }

}  // namespace corekit::internal
