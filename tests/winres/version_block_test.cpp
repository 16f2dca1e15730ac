#include "corekit/winres/version_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corekit/platform/version_info.h"

namespace {

using corekit::platform::FileVersionInfo;
using corekit::platform::QueryVersionText;
using corekit::winres::VersionBlockText;

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
    {"\\StringFileInfo\\040904B0\\Comments", false, ""},
    {"\\StringFileInfo\\041104B0\\ProductName", false, ""},
    {"\\StringFileInfo\\040904B0\\ProductName\\Deeper", false, ""},
    {"\\StringFileInfo\\040904B", false, ""},
};

TEST(VersionBlock, FindsTextsByTheirPath) {
  const std::vector<BYTE> block = FileVersionInfo(NAMED_VERSION_PLUGIN);
  ASSERT_FALSE(block.empty());
  for (const QueryCase& c : Queries) {
    std::u16string text = u"unchanged";
    EXPECT_EQ(VersionBlockText(block.data(), block.size(), c.path, text), c.found) << c.path;
    EXPECT_EQ(std::string(text.begin(), text.end()), c.found ? c.text : "unchanged") << c.path;
    // The system's own reading agrees (on POSIX the same code reads it).
    std::string systemText;
    EXPECT_EQ(QueryVersionText(block, c.path, systemText), c.found) << c.path;
    EXPECT_EQ(systemText, c.text) << c.path;
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
