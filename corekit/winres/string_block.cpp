#include "corekit/winres/string_block.h"

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {

std::optional<std::u16string> StringBlockEntry(const unsigned char* block, std::size_t size,
                                               unsigned index) {
  ByteReader reader(block, size);
  WORD count = 0;
  for (unsigned skipped = 0; skipped < index; ++skipped) {
    if (!reader.Word(count) || !reader.Skip(2 * std::size_t{count})) return std::nullopt;
  }
  std::u16string text;
  if (!reader.Word(count) || !reader.Units(count, text)) return std::nullopt;
  return text;
}

}  // namespace corekit::winres
