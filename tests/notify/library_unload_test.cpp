// The built library's cache manager and office at its unload: they end in the reverse order of
// their first use, and the office detaches the targets still attached to it.
#include <gtest/gtest.h>

#include "corekit/platform/dynamic_library.h"
#include "tests/core/loaded_module.h"
#include "tests/notify/cache_test_types.h"

namespace {

// A target attached by hand to the library's office (a TPostTarget would attach to this program's).
class Watcher : public TPostTargetBase<TCachePost> {
public:
  void OnPost(const TCachePost& post) override { seen.push_back({post.Msg, post.Cache}); }
  void Detach(TPostOffice<TCachePost>&) override { ++detached; }
  std::vector<SeenPost> seen;
  int detached = 0;
};

template <typename Function>
Function Find(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(corekit::platform::FindLibrarySymbol(library, name));
}

TEST(LibraryUnload, EndsTheManagerAndDetachesTheOfficesTargets) {
  Watcher watcher;
  TestCache cache;
  {
    const LoadedModule library(COREKIT_LIBRARY_FILE);
    ASSERT_NE(library.Get(), nullptr);
    // Their C++ names, the same on both platforms.
    const auto getPostOffice = Find<void (*)(TPostOffice<TCachePost>*&)>(
        library.Get(), "_Z13GetPostOfficeRP11TPostOfficeI10TCachePostE");
    const auto registerCache =
        Find<void (*)(TCacheBase&)>(library.Get(), "_ZN13TCacheManager8RegisterER10TCacheBase");
    const auto unregisterCache =
        Find<void (*)(TCacheBase&)>(library.Get(), "_ZN13TCacheManager10UnRegisterER10TCacheBase");
    ASSERT_NE(getPostOffice, nullptr);
    ASSERT_NE(registerCache, nullptr);
    ASSERT_NE(unregisterCache, nullptr);

    TPostOffice<TCachePost>* office = nullptr;
    getPostOffice(office);
    TPostOffice<TCachePost>* again = nullptr;
    getPostOffice(again);
    EXPECT_EQ(office, again);
    office->AddTarget(&watcher);
    registerCache(cache);
    registerCache(cache);
    unregisterCache(cache);
    EXPECT_EQ(watcher.seen, (std::vector<SeenPost>{{CacheRegistered, &cache},
                                                   {CacheRegistered, &cache},
                                                   {CacheUnRegistered, &cache}}));
    EXPECT_EQ(watcher.detached, 0);
  }
  // The library held one entry of the cache; its end leaves the cache alone and posts nothing.
  EXPECT_EQ(watcher.detached, 1);
  EXPECT_EQ(watcher.seen.size(), 3u);
}

}  // namespace
