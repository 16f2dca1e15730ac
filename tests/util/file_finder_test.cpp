#include "corekit/util/file_finder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "corekit/platform/types.h"
#include "tests/support/scratch_folder.h"

namespace {

// The names a search presents, each as often as presented.
std::multiset<std::string> Found(const std::string& pattern) {
  std::multiset<std::string> names;
  for (TFileFinder finder(pattern.c_str()); !finder.done; finder.Next()) {
    names.insert(finder.findData.cFileName);
  }
  return names;
}

class FileFinderTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.dat", "README", "[x].dat"}) {
      scratch.Write(name, name);
    }
    std::filesystem::create_directory(scratch.Entry("sub"));
  }

  ScratchFolder scratch;
};

TEST_F(FileFinderTest, NothingFoundIsDoneAtOnce) {
  // A pattern of more than 259 characters finds nothing, even where a file matches it.
  const std::string folderName(240, 'f');
  std::filesystem::create_directory(scratch.Entry(folderName));
  scratch.Write(folderName + "/nnnnnnnnnnnnnnnnnnnn.txt", "x");
  const std::string longPattern = scratch.Entry(folderName + "/????????????????????.txt");
  for (const std::string& pattern : {scratch.Entry("*.none"), scratch.Entry("missing\\*"),
                                     scratch.Entry("sub\\*.txt"), longPattern}) {
    TFileFinder finder(pattern.c_str());
    EXPECT_TRUE(finder.done) << pattern;
    EXPECT_EQ(finder.handle, INVALID_HANDLE_VALUE) << pattern;
    finder.Next();
    EXPECT_TRUE(finder.done) << pattern;
  }
}

TEST_F(FileFinderTest, PresentsEachMatchOnce) {
  using Names = std::multiset<std::string>;
  const struct {
    const char* pattern;
    Names names;
  } cases[] = {
      {"*.txt", {"a.txt", "b.txt", "c.txt"}},
      {"?.txt", {"a.txt", "b.txt", "c.txt"}},
      {"b.txt", {"b.txt"}},
      {"[x].dat", {"[x].dat"}},  // [ is no wildcard
      {"R*.*", {"README"}},      // a final ".*" takes names without a dot too
      {"*.*", {".", "..", "a.txt", "b.txt", "c.txt", "d.dat", "README", "[x].dat", "sub"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Found(scratch.Entry(c.pattern)), c.names) << c.pattern;
}

TEST_F(FileFinderTest, DescribesEachEntry) {
  TFileFinder file(scratch.Entry("a.txt").c_str());
  ASSERT_FALSE(file.done);
  EXPECT_EQ(file.findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(file.findData.nFileSizeLow, 5u);
  EXPECT_EQ(file.findData.nFileSizeHigh, 0u);
  EXPECT_NE(file.findData.ftLastWriteTime.dwHighDateTime, 0u);

  TFileFinder folder(scratch.Entry("sub").c_str());
  ASSERT_FALSE(folder.done);
  EXPECT_NE(folder.findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_TRUE(folder.Next().done);
}

}  // namespace
