#include "corekit/platform/version_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "tests/support/little_endian.h"
#include "tests/support/scratch_folder.h"

namespace {

using corekit::platform::FileVersionInfo;

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

TEST(VersionInfo, DamagedModuleFilesHaveNone) {
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

}  // namespace
