#pragma once

// Reading of a string table block: the resource that holds sixteen strings of a string table,
// each a count of UTF-16 code units followed by the units, without terminator.

#include <cstddef>
#include <optional>
#include <string>

namespace corekit::winres {

// Entry index (0 to 15) of the block; nothing when the block ends before the entry does. An
// empty entry gives empty text.
std::optional<std::u16string> StringBlockEntry(const unsigned char* block, std::size_t size,
                                               unsigned index);

}  // namespace corekit::winres
