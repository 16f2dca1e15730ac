#include "corekit/core/app_info.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "corekit/core/module_file_info.h"
#include "corekit/platform/dynamic_library.h"
#include "corekit/platform/module_file.h"
#include "corekit/platform/user_folder.h"
#include "tests/core/loaded_module.h"
#include "tests/support/double_byte_locale.h"
#include "tests/support/environment_scope.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace ci = corekit::internal;
using corekit::platform::ModuleFileName;

std::string Str(const KString& text) { return std::string(text); }

TEST(AppPaths, FolderIsUpToTheLaterSeparator) {
  const struct {
    const char* path;
    const char* folder;
    const char* name;
  } cases[] = {
      {"C:\\Apps\\survey.tool.exe", "C:\\Apps\\", "survey"},
      {"C:/Apps\\x.exe", "C:/Apps\\", "x"},
      {"C:\\Apps/x.exe", "C:\\Apps/", "x"},
      {"x.exe", "", "x"},
      {"C:\\dir.d\\name", "C:\\dir.d\\", "name"},
      {"C:\\dir\\.profile", "C:\\dir\\", ""},
      {"C:\\dir\\", "C:\\dir\\", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Str(ci::FolderOfPath(c.path)), c.folder) << c.path;
    EXPECT_EQ(Str(ci::BareNameOfPath(c.path)), c.name) << c.path;
  }
}

TEST(AppPaths, TrailBytesAreNoSeparators) {
  const DoubleByteLocale gbk;
  ASSERT_TRUE(gbk.Active());
  // "\x81\x5C" is one character that ends in the byte of a backslash.
  EXPECT_EQ(Str(ci::FolderOfPath("C:\\dir\\\x81\x5Cname.exe")), "C:\\dir\\");
  EXPECT_EQ(Str(ci::BareNameOfPath("C:\\dir\\\x81\x5Cname.exe")), "\x81\x5Cname");
  EXPECT_EQ(Str(ci::FolderOfPath("C:\\\x81\x5C")), "C:\\");
  EXPECT_EQ(Str(ci::BareNameOfPath("\x81\x5C\x81\x5C.x")), "\x81\x5C\x81\x5C");
}

TEST(AppPaths, VersionNumbersSkipTheirPrefix) {
  const std::pair<const char*, ULONG> cases[] = {{"0x", 0},
                                                 {"7", 0},
                                                 {"0x  42abc", 42},
                                                 {"0x-5", 4294967291u},
                                                 {"v 1", 1},
                                                 {"0xabc", 0},
                                                 {"0x99999999999", 2147483647}};
  for (const auto& [text, number] : cases) EXPECT_EQ(ci::VersionNumberOfText(text), number) << text;
}

TEST(AppPaths, UserFolderFitsThePathBuffer) {
  const char sep = corekit::platform::PathSeparator;
  const std::string fits(259 - 13, 'p');  // with the separator, MorvikTools and a separator: 259
  const std::string folder = fits + sep + "MorvikTools" + sep;
  EXPECT_EQ(corekit::platform::UserFolderPath(fits, "MorvikTools"), folder);
  EXPECT_EQ(corekit::platform::UserFolderPath(fits + sep, "MorvikTools"), folder);
  EXPECT_EQ(corekit::platform::UserFolderPath(fits + "p", "MorvikTools"), "");
  EXPECT_EQ(corekit::platform::UserFolderPath("", "MorvikTools"), "");
}

// A module's path of 259 characters is its file name; one of 260 does not fit the path buffer.
TEST(AppInfo, AModulesFileNameFitsThePathBuffer) {
  const ScratchFolder scratch;
  const std::string folder = std::filesystem::canonical(scratch.Path()).string();
  const std::string file = std::filesystem::path(BARE_PLUGIN).filename().string();
  for (const std::size_t length : {259, 260}) {
    const std::filesystem::path copy = std::filesystem::path(folder) /
                                       std::string(length - folder.size() - file.size() - 2, 'm') /
                                       file;
    std::error_code error;
    std::filesystem::create_directory(copy.parent_path(), error);
    std::filesystem::copy_file(BARE_PLUGIN, copy, error);
    ASSERT_EQ(copy.string().size(), length);
    const HMODULE module = corekit::platform::LoadDynamicLibrary(copy.string().c_str(), nullptr);
    if (module == nullptr) GTEST_SKIP() << "the system loads no module from a path this long";
    EXPECT_EQ(ModuleFileName(module), length == 259 ? copy.string() : "");
    corekit::platform::FreeDynamicLibrary(module);
  }
}

TEST(AppInfo, ThisProgramIsNamedByItsVersionBlock) {
  EXPECT_EQ(Str(GetAppName()), "corekit tests");
  EXPECT_EQ(GetModuleVersion(nullptr), 2051u);
  const std::string program = ModuleFileName(nullptr);
  const std::string folder = Str(GetAppDir());
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\') << folder;
  EXPECT_EQ(program.substr(0, folder.size()), folder);
  EXPECT_EQ(program.substr(folder.size()).rfind("core_tests", 0), 0u) << program;
}

TEST(AppInfo, OtherModulesAreReadFromTheirFiles) {
  const struct {
    const char* file;
    bool hasProduct;
    const char* product;
    ULONG version;
  } cases[] = {
      {NAMED_VERSION_PLUGIN, true, "Survey Tool", 1234},
      {EMPTY_NAME_PLUGIN, true, "", 0},  // a version text shorter than its prefix
      {BARE_PLUGIN, false, "", 4096},
      {COREKIT_LIBRARY_FILE, true, "corekit", 1040},
  };
  for (const auto& c : cases) {
    const LoadedModule module(c.file);
    ASSERT_NE(module.Get(), nullptr);
    EXPECT_EQ(GetModuleVersion(module.Get()), c.version) << c.file;
    const std::string path = ModuleFileName(module.Get());
    EXPECT_TRUE(std::filesystem::path(path).is_absolute()) << path;
    EXPECT_TRUE(std::filesystem::equivalent(path, c.file)) << path;
    KString product("unchanged");
    EXPECT_EQ(ci::VersionTextOfFile(path.c_str(), "ProductName", product), c.hasProduct) << c.file;
    EXPECT_EQ(Str(product), c.hasProduct ? c.product : "unchanged") << c.file;
  }
  KString text;
  EXPECT_TRUE(ci::VersionTextOfFile(NAMED_VERSION_PLUGIN, "companyname", text));
  EXPECT_EQ(Str(text), "Survey Works");
  EXPECT_FALSE(ci::VersionTextOfFile(NAMED_VERSION_PLUGIN, "Comments", text));
  EXPECT_FALSE(ci::VersionTextOfFile("./no-such-file.bin", "ProductName", text));
  EXPECT_EQ(ModuleFileName(reinterpret_cast<HINSTANCE>(0x10)), "");
}

#if defined(_WIN32)
TEST(AppInfo, UserFolderIsInTheProfileOrTheAppFolder) {
  const std::string folder = Str(GetUserDir());
  if (folder == Str(GetAppDir())) return;  // no profile services
  EXPECT_EQ(folder.substr(folder.size() - 13), "\\MorvikTools\\") << folder;
  EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
}
#else
// On POSIX the user's data folder is $XDG_DATA_HOME (an absolute path), else ~/.local/share;
// these tests point both at a folder of their own.
class HomeFolder : public ::testing::Test {
protected:
  const ScratchFolder m_folder;
  const std::string m_root{m_folder.Path()};
  const std::string m_data{m_root + "/data/deeper"};
};

TEST_F(HomeFolder, UserFolderIsCreatedInTheDataFolder) {
  const struct {
    std::string home;
    const char* dataHome;  // null: not set
    std::string expected;
  } cases[] = {
      {m_root, nullptr, m_root + "/.local/share/MorvikTools/"},
      {m_root + "/", nullptr, m_root + "/.local/share/MorvikTools/"},
      {m_root, "", m_root + "/.local/share/MorvikTools/"},
      {m_root, "relative/data", m_root + "/.local/share/MorvikTools/"},
      {m_root + "/unused", m_data.c_str(), m_data + "/MorvikTools/"},
  };
  for (const auto& c : cases) {
    const EnvironmentScope homeVariable("HOME", c.home.c_str());
    const EnvironmentScope dataVariable("XDG_DATA_HOME", c.dataHome);
    EXPECT_EQ(Str(GetUserDir()), c.expected) << c.home;
    EXPECT_TRUE(std::filesystem::is_directory(c.expected)) << c.expected;
    EXPECT_EQ(Str(GetUserDir()), c.expected) << "once it exists";
  }
  EXPECT_FALSE(std::filesystem::exists(m_root + "/MorvikTools"));
}

TEST_F(HomeFolder, UnusableProfileFallsBackToTheAppFolder) {
  const std::string tooLong = m_root + "/" + std::string(260, 'x');
  const EnvironmentScope dataVariable("XDG_DATA_HOME", nullptr);
  const EnvironmentScope homeVariable("HOME", tooLong.c_str());
  EXPECT_EQ(Str(GetUserDir()), Str(GetAppDir()));
}
#endif

}  // namespace
