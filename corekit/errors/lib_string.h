#pragma once

#include "corekit/core/kstring.h"

namespace corekit::internal {

// The id of the library's generic error text, "Error # %lx" in English.
inline constexpr unsigned GenericErrorStringId = 4041;

// The library's own string id in the calling thread's language: the module's string in that
// language, else its English string translated by the library's dictionary, else the English
// string; empty when the library has no such string.
KString LoadLibString(unsigned id);

}  // namespace corekit::internal
