#include "corekit/platform/version_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "corekit/platform/version_info.h"
#include "tests/support/little_endian.h"
#include "tests/support/scratch_folder.h"

namespace {

using corekit::platform::FileVersionInfo;
using corekit::platform::QueryVersionText;
using corekit::platform::VersionBlockText;

struct QueryCase {
  const char* path;
  bool found;
  const char* text;
};

const QueryCase Queries[] = {
    {"\\StringFileInfo\\040904B0\\ProductName", true, "Survey Tool"},
    {"\\stringfileinfo\\040904b0\\PRODUCTNAME", true, "Survey Tool"},
    {"\\StringFileInfo\\040704B0\\ProductName", true, "Vermessung"},
    {"\\StringFileInfo\\040904B0\\FileVersion", true, "0x1234"},
    {"\\StringFileInfo\\040904B0\\CompanyName", true, "Survey Works"},
    {"\\StringFileInfo\\040904B0\\Comments", false, ""},
    {"\\StringFileInfo\\041104B0\\ProductName", false, ""},
    {"\\StringFileInfo\\040904B0\\ProductName\\Deeper", false, ""},
    {"\\StringFileInfo\\040904B", false, ""},
};

TEST(VersionBlock, FindsTextsByTheirPath) {
  const std::vector<BYTE> block = FileVersionInfo(NAMED_VERSION_PLUGIN);
  ASSERT_FALSE(block.empty());
  for (const QueryCase& c : Queries) {
    std::u16string text;
    EXPECT_EQ(VersionBlockText(block.data(), block.size(), c.path, text), c.found) << c.path;
    EXPECT_EQ(std::string(text.begin(), text.end()), c.text) << c.path;  // empty when not found
    // The system's own reading agrees (on POSIX the same code reads it).
    std::string systemText;
    EXPECT_EQ(QueryVersionText(block, c.path, systemText), c.found) << c.path;
    EXPECT_EQ(systemText, c.text) << c.path;
  }
}

TEST(VersionBlock, EmptyValuesAndMissingBlocks) {
  const std::vector<BYTE> block = FileVersionInfo(EMPTY_NAME_PLUGIN);
  std::u16string text = u"unchanged";
  ASSERT_TRUE(VersionBlockText(block.data(), block.size(),
                               "\\StringFileInfo\\040904B0\\ProductName", text));
  EXPECT_EQ(text, u"");
  EXPECT_TRUE(FileVersionInfo(BARE_PLUGIN).empty());
  EXPECT_TRUE(FileVersionInfo("./no-such-file.bin").empty());
  EXPECT_FALSE(VersionBlockText(nullptr, 0, "\\StringFileInfo", text));
}

// A 64-bit ELF file whose one note segment (a GNU note) claims the given size and alignment.
std::string ElfWithNoteSegment(std::uint64_t size, std::uint64_t align) {
  std::string bytes(144, '\0');
  bytes.replace(0, 5,
                "\x7F"
                "ELF\x02");
  const std::uint64_t fields[][3] = {
      {32, 64, 8}, {54, 56, 2},  {56, 1, 2},                         // the program headers
      {64, 4, 4},  {72, 120, 8}, {96, size, 8}, {112, align, 8},     // the note segment
      {120, 4, 4}, {124, 4, 4},  {128, 1, 4},   {132, 0x554E47, 4},  // the note
  };
  for (const auto& [at, value, width] : fields) StoreLittleEndian(&bytes[at], value, width);
  return bytes;
}

TEST(VersionBlock, DamagedModuleFilesHaveNone) {
  const ScratchFolder folder;
  const struct {
    std::uint64_t size, align;
  } segments[] = {
      {~std::uint64_t{0}, 4},   // larger than the file
      {24, ~std::uint64_t{0}},  // an alignment that wraps the offsets
  };
  for (const auto& segment : segments) {
    const std::string path = folder.Entry("damaged.so");
    std::ofstream(path, std::ios::binary) << ElfWithNoteSegment(segment.size, segment.align);
    EXPECT_TRUE(FileVersionInfo(path.c_str()).empty()) << segment.size << " " << segment.align;
  }
}

TEST(VersionBlock, CutBlocksAreReadSafely) {
  const std::vector<BYTE> block = FileVersionInfo(NAMED_VERSION_PLUGIN);
  for (std::size_t size = 0; size < block.size(); ++size) {
    // A copy of exactly that size, so that a read past it is a fault the sanitizers see.
    const std::vector<BYTE> cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(size));
    for (const QueryCase& c : Queries) {
      std::u16string text;
      if (VersionBlockText(cut.data(), cut.size(), c.path, text)) {
        EXPECT_TRUE(c.found) << size << " " << c.path;
      }
    }
  }
}

}  // namespace
