#pragma once

// Reading of a version block: the tree of a version resource, whose nodes hold a length, a value
// length, a type (1 for text), a UTF-16 key, a value and child nodes, each aligned to four bytes.
// A pure function over the bytes, used where the system does not read version blocks itself.

#include <cstddef>
#include <string>

#include "corekit/platform/types.h"

namespace corekit::winres {

// The text at a query path below the root, such as "\StringFileInfo\040904B0\ProductName" (keys
// compared without regard to ASCII case), as UTF-16 without its terminator. False when the block
// has no node at that path.
bool VersionBlockText(const BYTE* block, std::size_t size, const char* path, std::u16string& text);

}  // namespace corekit::winres
