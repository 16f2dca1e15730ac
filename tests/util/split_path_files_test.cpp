#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "corekit/platform/types.h"
#include "corekit/util/split_path.h"
#include "tests/support/double_byte_locale.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Backslashes turned into slashes, so that paths compare alike on every system.
std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

class SplitPathFiles : public ::testing::Test {
protected:
  TSplitPath At(const std::string& name) const { return TSplitPath(scratch.Entry(name).c_str()); }

  ScratchFolder scratch;
};

TEST_F(SplitPathFiles, CopiesAndKeepsExistingFilesWhenAsked) {
  scratch.Write("a.txt", "alpha");
  scratch.Write("c.txt", "gamma");
  TSplitPath source = At("a.txt");
  source.CopyFileTo(At("b.txt"), true);
  EXPECT_EQ(scratch.Read("b.txt"), "alpha");
  source.CopyFileTo(At("c.txt"), true);
  EXPECT_EQ(scratch.Read("c.txt"), "gamma");
  source.CopyFileTo(At("c.txt"), false);
  EXPECT_EQ(scratch.Read("c.txt"), "alpha");
  source.CopyFileTo(source, false);  // never empties its own source
  EXPECT_EQ(scratch.Read("a.txt"), "alpha");
  At("missing.txt").CopyFileTo(At("d.txt"), false);
  EXPECT_FALSE(fs::exists(scratch.Entry("d.txt")));
}

TEST_F(SplitPathFiles, MovesAndTakesTheTargetOnlyWhenMoved) {
  scratch.Write("a.txt", "alpha");
  scratch.Write("c.txt", "gamma");
  TSplitPath path = At("a.txt");
  path.MoveFileTo(At("c.txt"), 0);
  EXPECT_EQ(path.name, "a");
  EXPECT_EQ(scratch.Read("a.txt"), "alpha");
  EXPECT_EQ(scratch.Read("c.txt"), "gamma");

  path.MoveFileTo(At("b.txt"), 0);
  EXPECT_EQ(path.name, "b");
  EXPECT_FALSE(fs::exists(scratch.Entry("a.txt")));
  EXPECT_EQ(scratch.Read("b.txt"), "alpha");

  path.MoveFileTo(At("c.txt"), MOVEFILE_REPLACE_EXISTING);
  EXPECT_EQ(path.name, "c");
  EXPECT_EQ(scratch.Read("c.txt"), "alpha");

  fs::create_directory(scratch.Entry("f"));
  TSplitPath folder = At("f");
  folder.MoveFileTo(At("g"), 0);
  EXPECT_TRUE(fs::is_directory(scratch.Entry("g")));
  EXPECT_EQ(folder.Compose(TSplitPath::AllParts), At("g").Compose(TSplitPath::AllParts));
}

TEST_F(SplitPathFiles, ExistsForFilesAndRemovesFilesAndEmptyFolders) {
  scratch.Write("a.txt", "alpha");
  fs::create_directory(scratch.Entry("empty"));
  fs::create_directory(scratch.Entry("full"));
  scratch.Write("full/b.txt", "beta");
  EXPECT_TRUE(At("a.txt").Exists());
  EXPECT_FALSE(At("empty").Exists());
  EXPECT_FALSE(TSplitPath().Exists());
  for (const char* name : {"a.txt", "empty", "full", "missing"}) At(name).Remove();
  EXPECT_FALSE(At("a.txt").Exists());
  EXPECT_FALSE(fs::exists(scratch.Entry("empty")));
  EXPECT_EQ(scratch.Read("full/b.txt"), "beta");
}

TEST_F(SplitPathFiles, CreatesFoldersAndMakesThemCurrent) {
  TSplitPath folder = At("new");
  EXPECT_EQ(folder.CreateFolder(), TRUE);
  EXPECT_TRUE(fs::is_directory(scratch.Entry("new")));
  EXPECT_EQ(folder.CreateFolder(), FALSE);
  EXPECT_EQ(At("missing\\deeper").CreateFolder(), FALSE);

  const CurrentFolderKeeper keeper;
  EXPECT_EQ(folder.MakeCurrent(), TRUE);
  EXPECT_TRUE(fs::equivalent(fs::current_path(), scratch.Entry("new")));
  const TSplitPath working(TSplitPath::WorkingFolder);
  EXPECT_TRUE(fs::equivalent(working.Canonical().GetString(), scratch.Entry("new")));
  EXPECT_EQ(At("missing").MakeCurrent(), FALSE);
}

TEST_F(SplitPathFiles, CanonicalCompletesRelativePaths) {
  const CurrentFolderKeeper keeper;
  ASSERT_EQ(TSplitPath(scratch.Path().c_str()).MakeCurrent(), TRUE);
  const struct {
    const char* text;
    const char* full;  // after the current folder and a separator
  } cases[] = {
      {"x.txt", "x.txt"},         {"sub\\..\\x.txt", "x.txt"}, {".\\sub\\.\\x.txt", "sub/x.txt"},
      {"sub/x.txt", "sub/x.txt"}, {"sub\\", "sub/"},           {"a\\b\\..\\..\\c", "c"},
  };
  const std::string current = Slashed(fs::current_path().string());
  for (const auto& c : cases) {
    EXPECT_EQ(Slashed(TSplitPath(c.text).Canonical().GetString()), current + "/" + c.full)
        << c.text;
  }
  EXPECT_EQ(TSplitPath("").Canonical(), "");
  // A full path of 259 characters is an answer; one of 260 is none, and neither are its other
  // forms.
  const std::string fits(259 - current.size() - 1, 'n');
  EXPECT_EQ(TSplitPath(fits.c_str()).Canonical().GetLength(), 259);
  const TSplitPath tooLong((fits + "n").c_str());
  EXPECT_EQ(tooLong.Canonical(), "");
  EXPECT_EQ(tooLong.ShortPath(), "");
  EXPECT_EQ(tooLong.DisplayTitle(), "");
}

TEST_F(SplitPathFiles, ACurrentFolderTooLongIsNoAnswer) {
  const CurrentFolderKeeper keeper;
  const std::string folder = scratch.Entry(std::string(250, 'c'));
  std::error_code error;
  fs::create_directory(folder, error);
  fs::current_path(folder, error);
  if (error) GTEST_SKIP() << "the system keeps no current folder this long";
  EXPECT_FALSE(TSplitPath(TSplitPath::WorkingFolder).HasParts(TSplitPath::AllParts));
}

TEST_F(SplitPathFiles, ShortPathAndTitleOfExistingFiles) {
  scratch.Write("survey.job", "data");
  const TSplitPath file = At("survey.job");
  const KString shortPath = file.ShortPath();
  ASSERT_FALSE(shortPath.IsEmpty());
  EXPECT_TRUE(TSplitPath(shortPath).Exists());
  EXPECT_EQ(At("missing.job").ShortPath(), "");

  // Windows hides known extensions when the user asks it to.
  const KString title = file.DisplayTitle();
  EXPECT_TRUE(title == "survey.job" || title == "survey") << title.GetString();
  EXPECT_EQ(At("folder\\").DisplayTitle(), "");
}

TEST_F(SplitPathFiles, TemporaryFilesAndFolderComeFromTheSystem) {
  scratch.UseAsTempFolder();
  const std::string folderText = Slashed(scratch.Path()) + "/";
  const TSplitPath folder(TSplitPath::TempFolder);
  EXPECT_EQ(Slashed(folder.Compose(TSplitPath::AllParts).GetString()), folderText);
  EXPECT_EQ(folder.ext, "");

  TSplitPath file(TSplitPath::NewTempFile);
  const TSplitPath second(TSplitPath::NewTempFile);
  ASSERT_TRUE(file.Exists());
  EXPECT_EQ(
      Slashed(file.Compose(TSplitPath::HostPart | TSplitPath::VolumePart | TSplitPath::DirPart)
                  .GetString()),
      folderText);
  EXPECT_EQ(file.name.Left(3), "TFN");
  EXPECT_EQ(file.ext.CompareNoCase(".tmp"), 0) << file.ext.GetString();
  EXPECT_NE(file.name, second.name);
  file.Remove();
  EXPECT_FALSE(file.Exists());
  EXPECT_TRUE(second.Exists());

#if !defined(_WIN32)
  // A folder just below the root stays absolute.
  scratch.UseAsTempFolder("/tmp");
  EXPECT_EQ(TSplitPath(TSplitPath::TempFolder).Compose(TSplitPath::AllParts), "/tmp/");
  EXPECT_EQ(TSplitPath("/tmp").Canonical(), "/tmp");
#endif

  // A temporary folder of 259 characters with its final separator is an answer (Wine gives none
  // beyond 258), one of 260 none.
  const std::string folder259 = scratch.Entry(std::string(258 - scratch.Path().size() - 1, 't'));
  for (const std::size_t extra : {0, 1}) {
    scratch.UseAsTempFolder(folder259 + std::string(extra, 't') + scratch.Entry("").back());
#if defined(_WIN32)
    if (extra == 0) continue;
#endif
    EXPECT_EQ(TSplitPath(TSplitPath::TempFolder).HasParts(TSplitPath::AllParts), extra == 0);
  }
  EXPECT_FALSE(TSplitPath(TSplitPath::NewTempFile).HasParts(TSplitPath::AllParts));
}

TEST(SplitPathSystem, FoldersAndMachineName) {
  for (const TSplitPath::TSpecial kind : {TSplitPath::WindowsFolder, TSplitPath::SystemFolder}) {
    const KString folder = TSplitPath(kind).Canonical();
    EXPECT_FALSE(folder.IsEmpty()) << kind;
    EXPECT_TRUE(fs::is_directory(folder.GetString())) << folder.GetString();
  }
  const TSplitPath machine(TSplitPath::MachineName);
  EXPECT_FALSE(machine.name.IsEmpty());
  EXPECT_EQ(machine.Compose(TSplitPath::AllParts), machine.name);
}

#if !defined(_WIN32)
// Windows reads file names in the system's code page, which a test cannot switch there.
TEST_F(SplitPathFiles, TrailBytesStayInFileNames) {
  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  scratch.Write("\x81\x5C.txt", "kanji");
  TSplitPath path((scratch.Path() + "\\\x81\x5C.txt").c_str());
  EXPECT_EQ(path.name, "\x81\x5C");
  EXPECT_TRUE(path.Exists());
  path.CopyFileTo(TSplitPath((scratch.Path() + "\\copy\x81\x5C.txt").c_str()), true);
  EXPECT_EQ(scratch.Read("copy\x81\x5C.txt"), "kanji");
}
#endif

}  // namespace
