// What the cache manager and the office do after the library's unload has ended them. The ends
// cannot be undone within a process, so this program holds nothing else.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "corekit/notify/cache_manager.h"
#include "corekit/notify/notify_lifetime.h"
#include "tests/notify/cache_test_types.h"

namespace {

struct Ping {};

struct PingTarget : TPostTarget<Ping> {
  void OnPost(const Ping&) override {}
  void Detach(TPostOffice<Ping>& office) override { detachedFrom = &office; }
  TPostOffice<Ping>* detachedFrom = nullptr;
};

TEST(NotifyLifetime, EndedManagerAndOfficeStayAddressableAndHarmless) {
  auto log = std::make_unique<PostLog>();      // the office is used first ...
  auto early = std::make_unique<TestCache>();  // ... then the manager
  TCacheManager& manager = TCacheManager::GetManager();
  ASSERT_EQ(manager.GetCachesCount(), 1);

  // The unload ends them in the reverse order of their first use: the manager first.
  corekit::internal::EndCacheManager();
  EXPECT_EQ(&TCacheManager::GetManager(), &manager);
  EXPECT_EQ(manager.GetCachesCount(), 0);
  EXPECT_THROW(manager.GetCache(0), std::invalid_argument);
  log->seen.clear();
  {
    TestCache late;  // neither listed nor announced
    EXPECT_EQ(manager.GetCachesCount(), 0);
    late.needsFlush = true;
    TCacheManager::FlushCaches();
    EXPECT_EQ(late.flushes, 0);
    late.OnCacheUpdate();  // updates are still posted
    EXPECT_EQ(log->seen, (std::vector<SeenPost>{{CacheUpdated, &late}}));
  }
  early.reset();
  EXPECT_EQ(log->seen.size(), 1u) << "nothing is posted for caches leaving after the end";

  corekit::internal::EndPostOffice();
  EXPECT_EQ(log->detached, 1);
  TPostOffice<TCachePost>* office = nullptr;
  GetPostOffice(office);
  EXPECT_FALSE(office->HasTargets());
  TestCache after;
  after.OnCacheUpdate();  // reaches no one
  EXPECT_EQ(log->seen.size(), 1u);
  log.reset();  // its removal finds nothing

  // A shared office detaches its targets with the office their own module reaches.
  TPostOffice<Ping>* const pings = &corekit::internal::SharedOfficeView<Ping>::Get();
  {
    PingTarget ping;
    corekit::internal::EndSharedPostOffices();
    EXPECT_EQ(ping.detachedFrom, pings);
    EXPECT_FALSE(pings->HasTargets());
  }

  // Ending again, as the unload will at this program's exit, changes nothing.
  corekit::internal::EndCacheManager();
  corekit::internal::EndPostOffice();
  corekit::internal::EndSharedPostOffices();
  EXPECT_FALSE(office->HasTargets());
}

}  // namespace
