#include "corekit/dllload/dll_func_loader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <map>
#include <string>

#include "corekit/platform/dynamic_library.h"

namespace {

// The system calls that loaders make, counted while a test runs.
struct SystemCalls {
  int loads = 0;
  int frees = 0;
  std::map<std::string, int> resolved;
};
SystemCalls g_calls;

HMODULE CountedLoad(const char* path, DWORD* error) noexcept {
  ++g_calls.loads;
  return corekit::platform::SystemLoadDynamicLibrary(path, error);
}

void* CountedFind(HMODULE module, const char* name) noexcept {
  ++g_calls.resolved[name];
  return corekit::platform::SystemFindLibrarySymbol(module, name);
}

bool CountedFree(HMODULE module) noexcept {
  ++g_calls.frees;
  return corekit::platform::SystemFreeDynamicLibrary(module);
}

constexpr corekit::platform::DynamicLibraryCalls kCountedCalls{&CountedLoad, &CountedFind,
                                                               &CountedFree};

#if defined(_WIN32)
const LONG kLibraryNotFound = ERROR_MOD_NOT_FOUND;
#else
const LONG kLibraryNotFound = ENOENT;
#endif

const char kMissingLibrary[] = "./no-such-plugin-for-the-loader";

// The address as the function's real type (by way of void (*)(), which GCC's cast check accepts).
template <typename Function>
Function As(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

int CallScale(TDLLFuncLoader* loader, const char* name) {
  const auto function = As<int (*)(int)>(loader->GetFunc(name));
  return function != nullptr ? function(3) : -1;
}

class DLLFuncLoaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    g_calls = SystemCalls{};
    m_previous = corekit::platform::SetDynamicLibraryCalls(&kCountedCalls);
  }
  void TearDown() override { corekit::platform::SetDynamicLibraryCalls(m_previous); }

private:
  const corekit::platform::DynamicLibraryCalls* m_previous = nullptr;
};

TEST_F(DLLFuncLoaderTest, OneNameSharesOneLoaderUntilTheLastRelease) {
  TDLLFuncLoader* const first = TDLLFuncLoader::LoadDLL(DLLLOAD_PLUGIN);
  TDLLFuncLoader* const second = TDLLFuncLoader::LoadDLL(KString(DLLLOAD_PLUGIN));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(g_calls.loads, 0);  // loaded at the first lookup, not before

  int unloads = 0;
  const auto reportUnload = As<void (*)(int*)>(first->GetFunc("ReportUnloadTo"));
  ASSERT_NE(reportUnload, nullptr);
  reportUnload(&unloads);

  TDLLFuncLoader::ReleaseDLL(second);
  EXPECT_EQ(CallScale(first, "Scale"), 30);
  EXPECT_EQ(unloads, 0);
  EXPECT_EQ(g_calls.frees, 0);

  TDLLFuncLoader::ReleaseDLL(first);
  EXPECT_EQ(g_calls.frees, 1);
  EXPECT_EQ(unloads, 1);  // the module's own static objects ended: it is really unloaded
  EXPECT_EQ(g_calls.loads, 1);
}

TEST_F(DLLFuncLoaderTest, NamesAreCaseSensitiveAndResolvedOnce) {
  std::string upperName = DLLLOAD_PLUGIN;
  for (char& ch : upperName) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  TDLLFuncLoader* const loader = TDLLFuncLoader::LoadDLL(DLLLOAD_PLUGIN);
  TDLLFuncLoader* const upper = TDLLFuncLoader::LoadDLL(upperName.c_str());
  EXPECT_NE(loader, upper);
  EXPECT_EQ(upper->GetDLLName(), KString(upperName.c_str()));
  TDLLFuncLoader::ReleaseDLL(upper);  // the other name's loader stays

  const struct {
    const char* name;
    int answer;  // Scale(3), -1 for a missing function
  } functions[] = {{"Scale", 30}, {"scale", 300}, {"SCALE", -1}, {"Scale", 30}, {"SCALE", -1}};
  for (const auto& function : functions) {
    EXPECT_EQ(CallScale(loader, function.name), function.answer) << function.name;
  }
  EXPECT_EQ(loader->GetFunc(nullptr), nullptr);
  // Each name, found or not, is looked up once; a missing function is no failed load.
  EXPECT_EQ(g_calls.resolved,
            (std::map<std::string, int>{{"SCALE", 1}, {"Scale", 1}, {"scale", 1}}));
  EXPECT_EQ(loader->GetResult(), 0);
  TDLLFuncLoader::ReleaseDLL(loader);
}

// A missing library is tried once per loader. The last release ends a loader, failed or loaded: the
// next one of that name loads anew and resolves with an empty cache.
TEST_F(DLLFuncLoaderTest, TheLastReleaseEndsTheLoader) {
  for (int round = 1; round <= 2; ++round) {
    TDLLFuncLoader* const missing = TDLLFuncLoader::LoadDLL(kMissingLibrary);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->GetResult(), 0);
    EXPECT_EQ(missing->GetFunc("Scale"), nullptr);
    EXPECT_EQ(missing->GetResult(), kLibraryNotFound);
    EXPECT_EQ(missing->GetFunc("Other"), nullptr);
    TDLLFuncLoader::ReleaseDLL(missing);
    TDLLFuncLoader* const loader = TDLLFuncLoader::LoadDLL(DLLLOAD_PLUGIN);
    EXPECT_EQ(CallScale(loader, "Scale"), 30);
    TDLLFuncLoader::ReleaseDLL(loader);
    EXPECT_EQ(g_calls.loads, 2 * round);
    EXPECT_EQ(g_calls.frees, round);  // the failed load has nothing to free
    EXPECT_EQ(g_calls.resolved, (std::map<std::string, int>{{"Scale", round}}));
  }
  TDLLFuncLoader::ReleaseDLL(nullptr);  // ignored
}

}  // namespace
