#include "corekit/util/split_path.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/double_byte_locale.h"
#include "tests/support/process_encoding.h"

namespace {

#if defined(_WIN32)
// In Windows syntax a separator that begins a text without volume is not kept.
constexpr bool RootStays = false;
#else
// On POSIX that separator is the root folder, which the directory keeps.
constexpr bool RootStays = true;
#endif

// The flag and the five parts of a path, and its Compose(AllParts).
struct Split {
  const char* text;
  bool unc;
  const char* host;
  const char* volume;
  const char* dir;
  const char* name;
  const char* ext;
  const char* composed;
};

void ExpectSplit(const TSplitPath& path, const Split& c) {
  EXPECT_EQ(path.unc, c.unc) << c.text;
  EXPECT_EQ(path.host, c.host) << c.text;
  EXPECT_EQ(path.volume, c.volume) << c.text;
  EXPECT_EQ(path.dir, c.dir) << c.text;
  EXPECT_EQ(path.name, c.name) << c.text;
  EXPECT_EQ(path.ext, c.ext) << c.text;
  EXPECT_EQ(path.Compose(TSplitPath::AllParts), c.composed) << c.text;
}

TEST(SplitPath, ParsesAndComposes) {
  const Split cases[] = {
      {"\\\\srv\\share\\dir\\f.txt", true, "srv", "share", "dir", "f", ".txt",
       "\\\\srv\\share\\dir\\f.txt"},
      // One backslash after the share for the name, one for the empty directory.
      {"\\\\srv\\share\\f.txt", true, "srv", "share", "", "f", ".txt", "\\\\srv\\share\\\\f.txt"},
      {"C:file.txt", false, "", "C", "", "file", ".txt", "C:\\file.txt"},
      // A final separator or dot is never a split point.
      {"C:\\dir\\", false, "", "C", "", "dir\\", "", "C:\\dir\\"},
      {"file.", false, "", "", "", "file.", "", "file."},
      {"archive.tar.gz", false, "", "", "", "archive.tar", ".gz", "archive.tar.gz"},
      {".profile", false, "", "", "", "", ".profile", ".profile"},
      {"C:\\data.d\\file", false, "", "C", "\\data.d", "file", "", "C:\\data.d\\file"},
      {"dir/sub/x.txt", false, "", "", "dir/sub", "x", ".txt", "dir/sub\\x.txt"},
      // Only backslashes make a network path.
      {"//srv/share/x", false, "", "", "//srv/share", "x", "", "//srv/share\\x"},
      {"\\\\\\share\\x", true, "", "share", "", "x", "", "\\\\\\share\\\\x"},
      {"\\\\srv", true, "srv", "", "", "", "", "\\\\srv\\\\"},
      // The first colon ends the volume wherever it is.
      {"a\\b:c", false, "", "a\\b", "", "c", "", "a\\b:\\c"},
      {"x:y:z", false, "", "x", "", "y:z", "", "x:\\y:z"},
      {"C:", false, "", "C", "", "", "", "C:\\"},
      // A separator that begins a text without volume: the root folder on POSIX.
      {"\\x.txt", false, "", "", RootStays ? "\\" : "", "x", ".txt",
       RootStays ? "\\x.txt" : "x.txt"},
      {"/tmp/", false, "", "", RootStays ? "/" : "", "tmp/", "", RootStays ? "/tmp/" : "tmp/"},
      {"//x", false, "", "", "/", "x", "", RootStays ? "/x" : "/\\x"},
      {"/", false, "", "", "", "/", "", "/"},
      {"", false, "", "", "", "", "", ""},
  };
  for (const Split& c : cases) {
    ExpectSplit(TSplitPath(c.text), c);
    ExpectSplit(TSplitPath(KString(c.text)), c);
  }
}

TEST(SplitPath, ComposesSelectedParts) {
  // The drive path's other selections are the squeezed compositions below; a root folder's are
  // those of the rooted texts above; the path tool's test prints a network path's root and folder.
  const TSplitPath drive("C:\\data\\survey.job");
  const TSplitPath network("\\\\srv\\share\\dir\\f.txt");
  const struct {
    const TSplitPath& path;
    unsigned int parts;
    const char* composed;
  } cases[] = {
      {drive, TSplitPath::DirPart | TSplitPath::NamePart, "\\data\\survey"},
      {network, TSplitPath::HostPart, "\\\\srv\\"},
      {network, TSplitPath::VolumePart | TSplitPath::NamePart, "share\\\\f"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.path.Compose(c.parts), c.composed)
        << c.path.Compose(TSplitPath::AllParts) << " " << c.parts;
  }
}

TEST(SplitPath, BuildsFromSeparateParts) {
  const struct {
    const char* in[5];  // host, volume, dir, name, ext
    Split out;          // its text is only the label
  } cases[] = {
      {{nullptr, "C:\\x", "C:\\data", "C:\\data\\survey.job", "x\\y.job"},
       {"full texts", false, "", "C", "\\data", "survey", ".job", "C:\\data\\survey.job"}},
      {{nullptr, "share", nullptr, "f", ".txt"},
       {"null host", false, "", "share", "", "f", ".txt", "share:\\f.txt"}},
      {{"", "share", nullptr, "f", "txt"},
       {"empty host", true, "", "share", "", "f", ".txt", "\\\\\\share\\\\f.txt"}},
      {{"\\\\srv\\x", "share\\y", "a/b", "f", "a.b.txt"},
       {"network", true, "srv", "share", "a/b", "f", ".txt", "\\\\srv\\share\\a/b\\f.txt"}},
      {{nullptr, nullptr, nullptr, "dir\\", ""},
       {"trailing separator", false, "", "", "", "dir\\", ".", "dir\\."}},
      {{nullptr, nullptr, nullptr, ".profile", "txt."},
       {"dots", false, "", "", "", "", ".txt.", ".txt."}},
      {{nullptr, nullptr, nullptr, nullptr, nullptr}, {"nulls", false, "", "", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    ExpectSplit(TSplitPath(c.in[0], c.in[1], c.in[2], c.in[3], c.in[4]), c.out);
  }
}

TEST(SplitPath, SqueezesToTheFirstCompositionThatFits) {
  const TSplitPath path("C:\\data\\survey.job");
  const struct {
    int maxLen;
    const char* squeezed;
  } cases[] = {
      {18, "C:\\data\\survey.job"}, {12, "survey.job"}, {9, "survey"}, {5, ""}, {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(path.Squeezed(c.maxLen), c.squeezed) << c.maxLen;
}

TEST(SplitPath, CompositionsHoldAtMost259Characters) {
  const std::string longest(259, 'a');
  EXPECT_EQ(TSplitPath(longest.c_str()).Compose(TSplitPath::AllParts), longest.c_str());
  const std::string tooLong(260, 'a');
  EXPECT_EQ(TSplitPath(tooLong.c_str()).Compose(TSplitPath::AllParts), "");

  // A folder too long to compose does not fit any limit; the shorter compositions still do.
  const std::string text = "C:\\" + std::string(300, 'd') + "\\survey.job";
  const TSplitPath path(text.c_str());
  EXPECT_EQ(path.dir.GetLength(), 301);
  EXPECT_EQ(path.Compose(TSplitPath::AllParts), "");
  EXPECT_EQ(path.Squeezed(1000), "C:\\survey.job");
}

TEST(SplitPath, SetsClearsAndTestsParts) {
  TSplitPath path("C:\\data\\survey.job");
  EXPECT_FALSE(path.HasParts(TSplitPath::HostPart));
  EXPECT_TRUE(path.HasParts(TSplitPath::HostPart | TSplitPath::ExtPart));

  path.SetParts(TSplitPath::NamePart | TSplitPath::ExtPart, "x.y");  // taken as it is
  EXPECT_EQ(path.Compose(TSplitPath::AllParts), "C:\\data\\x.yx.y");
  path.ClearParts(TSplitPath::VolumePart | TSplitPath::DirPart | TSplitPath::ExtPart);
  EXPECT_EQ(path.Compose(TSplitPath::AllParts), "x.y");
  EXPECT_TRUE(path.HasParts(TSplitPath::AllParts));
  path.ClearParts(TSplitPath::AllParts);
  EXPECT_FALSE(path.HasParts(TSplitPath::AllParts));

  TSplitPath network("\\\\srv");
  EXPECT_TRUE(network.HasParts(TSplitPath::HostPart));
  network.ClearParts(TSplitPath::HostPart);
  EXPECT_TRUE(network.unc);
  EXPECT_FALSE(network.HasParts(TSplitPath::AllParts));
}

TEST(SplitPath, TrailBytesAreNeverSeparators) {
  const char* const text = "C:\\dir\\a\x81\x5Cz.txt";
  // In a single-byte encoding or UTF-8 the trail byte is a backslash.
  if (!ProcessEncodingIsDoubleByte()) {
    EXPECT_EQ(TSplitPath(text).name, "z");
  }

  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  const Split cases[] = {
      {text, false, "", "C", "\\dir", "a\x81\x5Cz", ".txt", text},
      {"\\\\s\x81\x5Cv\\share\\f", true, "s\x81\x5Cv", "share", "", "f", "",
       "\\\\s\x81\x5Cv\\share\\\\f"},
      {"\x81\x5C\x81\x5C", false, "", "", "", "\x81\x5C\x81\x5C", "", "\x81\x5C\x81\x5C"},
      {"d\\\x81\x5C\\", false, "", "", "d", "\x81\x5C\\", "", "d\\\x81\x5C\\"},
  };
  for (const Split& c : cases) ExpectSplit(TSplitPath(c.text), c);

  ExpectSplit(TSplitPath("\\\\s\x81\x5Cv\\x", "a\x81\x5C\\b", nullptr, "x\x81\x5Cy", "\x81\x5Cz"),
              {"parts", true, "s\x81\x5Cv", "a\x81\x5C", "", "x\x81\x5Cy", ".\x81\x5Cz",
               "\\\\s\x81\x5Cv\\a\x81\x5C\\\\x\x81\x5Cy.\x81\x5Cz"});
}

TEST(SplitPath, UnassignedSpecialKindsGiveAnEmptyObject) {
  for (const int kind : {3, 4, 6, 9, -1}) {
    const TSplitPath path(static_cast<TSplitPath::TSpecial>(kind));
    EXPECT_FALSE(path.unc) << kind;
    EXPECT_FALSE(path.HasParts(TSplitPath::AllParts)) << kind;
  }
}

}  // namespace
