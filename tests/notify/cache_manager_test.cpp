#include "corekit/notify/cache_manager.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "tests/notify/cache_test_types.h"

namespace {

TCacheManager& Manager() { return TCacheManager::GetManager(); }

TEST(CacheManager, CachesRegisterInOrderAndLeaveFromAnywhere) {
  PostLog log;
  const int base = Manager().GetCachesCount();
  auto a = std::make_unique<TestCache>();
  auto b = std::make_unique<TestCache>();
  auto c = std::make_unique<TestCache>();
  ASSERT_EQ(Manager().GetCachesCount(), base + 3);
  EXPECT_EQ(Manager().GetCache(base), a.get());
  EXPECT_EQ(Manager().GetCache(base + 1), b.get());
  EXPECT_EQ(Manager().GetCache(base + 2), c.get());
  const TestCache* const removed = b.get();
  b.reset();
  EXPECT_EQ(Manager().GetCachesCount(), base + 2);
  EXPECT_EQ(Manager().GetCache(base + 1), c.get());
  EXPECT_EQ(log.seen, (std::vector<SeenPost>{{CacheRegistered, a.get()},
                                             {CacheRegistered, removed},
                                             {CacheRegistered, c.get()},
                                             {CacheUnRegistered, removed}}));
  EXPECT_THROW(Manager().GetCache(-1), std::invalid_argument);
  EXPECT_THROW(Manager().GetCache(Manager().GetCachesCount()), std::invalid_argument);
  // The kinds' values as posted.
  EXPECT_EQ((std::vector<int>{CacheRegistered, CacheUnRegistered, CacheUpdated}),
            (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(*a == *a);
  EXPECT_FALSE(*a == *c);
}

TEST(CacheManager, CopiesAreNotListedButStillAnnounceTheirEnd) {
  TestCache original;
  PostLog log;
  const int count = Manager().GetCachesCount();
  auto copy = std::make_unique<TestCache>(original);
  const TestCache* const copyAddress = copy.get();
  *copy = original;
  EXPECT_EQ(Manager().GetCachesCount(), count);
  EXPECT_TRUE(log.seen.empty());
  // Registering a listed cache again gives it a second entry, which unregistering removes.
  TCacheManager::Register(original);
  EXPECT_EQ(Manager().GetCachesCount(), count + 1);
  TCacheManager::UnRegister(original);
  EXPECT_EQ(Manager().GetCachesCount(), count);
  TCacheManager::UnRegister(*copy);  // not listed: unregistering it only posts
  copy.reset();
  EXPECT_EQ(Manager().GetCachesCount(), count);
  EXPECT_EQ(log.seen, (std::vector<SeenPost>{{CacheRegistered, &original},
                                             {CacheUnRegistered, &original},
                                             {CacheUnRegistered, copyAddress},
                                             {CacheUnRegistered, copyAddress}}));
}

TEST(CacheManager, FlushVisitsCachesRegisteredMeanwhileAndSkipsTheOneMovedBack) {
  std::unique_ptr<TestCache> registered;
  TestCache clean, first;
  first.needsFlush = true;
  first.onFlush = [&registered] {
    if (!registered) {
      registered = std::make_unique<TestCache>();
      registered->needsFlush = true;
    }
  };
  TCacheManager::FlushCaches();
  ASSERT_NE(registered, nullptr);
  EXPECT_EQ(registered->flushes, 1);
  EXPECT_EQ(first.flushes, 1);
  EXPECT_EQ(clean.flushes, 0);

  // A cache that unregisters itself while flushing makes the next one move into its place.
  auto leaving = std::make_unique<TestCache>();
  TestCache next;
  leaving->needsFlush = next.needsFlush = true;
  registered->needsFlush = first.needsFlush = false;
  leaving->onFlush = [&leaving] { TCacheManager::UnRegister(*leaving); };
  TCacheManager::FlushCaches();
  EXPECT_EQ(leaving->flushes, 1);
  EXPECT_EQ(next.flushes, 0);
  EXPECT_EQ(first.flushes + registered->flushes, 2) << "caches that need no flush get none";
}

// A target that is itself a cache: its own registration and unregistration posts reach it while
// only its target base exists, and are not delivered to it.
class CachingObserver : public TPostTarget<TCachePost>, public TestCache {
public:
  void OnPost(const TCachePost& post) override { seen.push_back({post.Msg, post.Cache}); }
  std::vector<SeenPost> seen;
};

TEST(CacheManager, PostsSkipTargetsWithoutTheirHandler) {
  PostLog log;
  auto observer = std::make_unique<CachingObserver>();
  const TCacheBase* const address = observer.get();
  EXPECT_TRUE(observer->seen.empty());
  observer->OnCacheUpdate();
  EXPECT_EQ(observer->seen, (std::vector<SeenPost>{{CacheUpdated, address}}));
  observer.reset();
  EXPECT_EQ(log.seen, (std::vector<SeenPost>{{CacheRegistered, address},
                                             {CacheUpdated, address},
                                             {CacheUnRegistered, address}}));
}

}  // namespace
