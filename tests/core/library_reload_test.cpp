// The built library loaded at run time: every process-wide object in use, the order in which its
// unload ends them, and a fresh state when it is loaded again.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "corekit/dllload/dll_func_loader.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/platform/dynamic_library.h"
#include "tests/core/loaded_module.h"
#include "tests/notify/cache_test_types.h"
#include "tests/support/environment_scope.h"

namespace {

// The library's exported functions, found by their C++ names. LONG is long on Windows only.
#ifdef _WIN32
#define LONG_CODE "l"
#else
#define LONG_CODE "i"
#endif

// A member function called as a plain function that takes the object first: 32-bit Windows passes
// the object in a register (thiscall), which GCC's pedantic mode warns about outside a class.
#if defined(_WIN32) && defined(__i386__)
#pragma GCC diagnostic ignored "-Wattributes"
#define MEMBER_CALL __attribute__((thiscall))
#else
#define MEMBER_CALL
#endif

struct LibraryExports {
  explicit LibraryExports(HMODULE library) : m_library(library) {}

  template <typename Function>
  Function Find(const char* name) const {
    auto found = reinterpret_cast<Function>(corekit::platform::FindLibrarySymbol(m_library, name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  HMODULE m_library;
  void (*getPostOffice)(TPostOffice<TCachePost>*&) =
      Find<decltype(getPostOffice)>("_Z13GetPostOfficeRP11TPostOfficeI10TCachePostE");
  TCacheManager& (*getManager)() = Find<decltype(getManager)>("_ZN13TCacheManager10GetManagerEv");
  int(MEMBER_CALL* cachesCount)(const TCacheManager*) =
      Find<decltype(cachesCount)>("_ZNK13TCacheManager14GetCachesCountEv");
  void (*registerCache)(TCacheBase&) =
      Find<decltype(registerCache)>("_ZN13TCacheManager8RegisterER10TCacheBase");
  KString (*errorToText)(LONG, const KString&, const KString&, const KString&) =
      Find<decltype(errorToText)>("_ZN14TErrorReporter11ErrorToTextE" LONG_CODE "RK7KStringS2_S2_");
  TDLLFuncLoader* (*loadDll)(const KString&) =
      Find<decltype(loadDll)>("_ZN14TDLLFuncLoader7LoadDLLERK7KString");
  void (*releaseDll)(TDLLFuncLoader*) =
      Find<decltype(releaseDll)>("_ZN14TDLLFuncLoader10ReleaseDLLEPS_");
  KString (*getUserDir)() = Find<decltype(getUserDir)>("_Z10GetUserDirv");

  int CachesCount() const { return cachesCount(&getManager()); }
  KString OpenFileError() const { return errorToText(0x80040510, {}, {}, {}); }
};

// A target attached by hand to the library's office (a TPostTarget would attach to this program's).
// When the unloading library's office detaches it, it looks at what else of the library is left.
class Watcher : public TPostTargetBase<TCachePost> {
public:
  void OnPost(const TCachePost& post) override { seen.push_back({post.Msg, post.Cache}); }
  void Detach(TPostOffice<TCachePost>&) override {
    ++detached;
    if (!library) return;
    // The manager, first used after the office, has ended: it is empty and takes no cache.
    cachesAtDetach = library->CachesCount();
    library->registerCache(lateCache);
    cachesAfterLateRegister = library->CachesCount();
    // The static objects outlive the lazily made ones: the reporter chain answers, through the
    // dictionary cache made before the office, and the loader table makes loaders.
    errorAtDetach = library->OpenFileError();
    TDLLFuncLoader* loader = library->loadDll("late_plugin");
    loaderAtDetach = loader != nullptr;
    library->releaseDll(loader);
  }

  std::optional<LibraryExports> library;  // while the library is loaded
  TestCache lateCache;
  std::vector<SeenPost> seen;
  int detached = 0;
  int cachesAtDetach = -1;
  int cachesAfterLateRegister = -1;
  KString errorAtDetach;
  bool loaderAtDetach = false;
};

TEST(LibraryReload, UnloadEndsTheLazyObjectsFirstAndReloadStartsAfresh) {
  // The loaded library takes its thread's language from the environment at first use: English
  // here, so that its texts are its string table's whatever dictionaries lie beside the program.
  const EnvironmentScope english("LC_ALL", "C");
  TestCache cache;
  Watcher watcher;
  {
    const LoadedModule module(COREKIT_LIBRARY_FILE);
    ASSERT_NE(module.Get(), nullptr);
    const LibraryExports library(module.Get());
    watcher.library = library;

    // First uses in this order: dictionary cache (through the error text), office, manager.
    EXPECT_STREQ(library.OpenFileError(), "could not open file");
    TPostOffice<TCachePost>* office = nullptr;
    library.getPostOffice(office);
    ASSERT_NE(office, nullptr);
    office->AddTarget(&watcher);
    library.registerCache(cache);
    EXPECT_EQ(library.CachesCount(), 1);
    EXPECT_EQ(watcher.seen, (std::vector<SeenPost>{{CacheRegistered, &cache}}));
    TDLLFuncLoader* loader = library.loadDll("some_plugin");
    EXPECT_EQ(library.loadDll("some_plugin"), loader);
    library.releaseDll(loader);
    library.releaseDll(loader);
    EXPECT_FALSE(library.getUserDir().IsEmpty());
    EXPECT_EQ(watcher.detached, 0);
  }
  EXPECT_EQ(watcher.detached, 1);
  EXPECT_EQ(watcher.cachesAtDetach, 0);
  EXPECT_EQ(watcher.cachesAfterLateRegister, 0);
  EXPECT_STREQ(watcher.errorAtDetach, "could not open file");
  EXPECT_TRUE(watcher.loaderAtDetach);
  // The ended manager posted nothing for the cache it held or the late one.
  EXPECT_EQ(watcher.seen.size(), 1u);

  // Loaded again, the library has a new office and a manager that takes caches.
  watcher.library.reset();
  watcher.seen.clear();
  {
    const LoadedModule module(COREKIT_LIBRARY_FILE);
    ASSERT_NE(module.Get(), nullptr);
    const LibraryExports library(module.Get());
    EXPECT_EQ(library.CachesCount(), 0);
    library.registerCache(cache);
    EXPECT_EQ(library.CachesCount(), 1);
    EXPECT_TRUE(watcher.seen.empty());  // the old office's target is not in the new one
    EXPECT_STREQ(library.OpenFileError(), "could not open file");
  }
}

}  // namespace
