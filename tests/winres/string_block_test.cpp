#include "corekit/winres/string_block.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using corekit::winres::StringBlockEntry;

// A block of three entries: empty, "ab" and "c", each a count and its code units.
const std::vector<unsigned char> Block = {0, 0, 2, 0, 'a', 0, 'b', 0, 1, 0, 'c', 0};

TEST(StringBlock, ReadsEntriesThatEndWithinTheBlock) {
  const struct {
    std::size_t size;
    unsigned index;
    std::optional<std::u16string> text;
  } cases[] = {
      {Block.size(), 0, u""},
      {Block.size(), 1, u"ab"},
      {Block.size(), 2, u"c"},
      {Block.size(), 3, std::nullopt},      // past the last entry
      {Block.size(), 15, std::nullopt},     // skipping runs past the end
      {Block.size() - 2, 2, std::nullopt},  // a count without its unit
      {7, 1, std::nullopt},
      {8, 1, u"ab"},
      {8, 2, std::nullopt},
      {1, 0, std::nullopt},
      {0, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    // A copy of exactly that size, so that a read past it is a fault the sanitizers see.
    const std::vector<unsigned char> cut(Block.begin(), Block.begin() + c.size);
    EXPECT_EQ(StringBlockEntry(cut.data(), cut.size(), c.index), c.text)
        << c.size << " " << c.index;
  }
}

}  // namespace
