#pragma once

// A cache and an observer of cache posts for the notification tests.

#include <functional>
#include <string>
#include <vector>

#include "corekit/notify/cache_base.h"
#include "corekit/notify/cache_post.h"
#include "corekit/notify/post_target.h"

class TestCache : public TCacheBase {
public:
  void ClearCache() override {}
  void ReloadCache() override {}
  bool IsCacheEmpty() const override { return true; }
  unsigned long GetCacheSize() const override { return 0; }
  KString GetCacheName() const override { return "test cache"; }
  bool NeedsFlush() override { return needsFlush; }
  void FlushCache() override {
    ++flushes;
    if (onFlush) onFlush();
  }

  bool needsFlush = false;
  int flushes = 0;
  std::function<void()> onFlush;
};

// One observed post: the kind and the cache's address.
struct SeenPost {
  TCachePostMsg msg;
  const TCacheBase* cache;
  bool operator==(const SeenPost&) const = default;
};

class PostLog : public TPostTarget<TCachePost> {
public:
  void OnPost(const TCachePost& post) override { seen.push_back({post.Msg, post.Cache}); }
  void Detach(TPostOffice<TCachePost>&) override { ++detached; }

  std::vector<SeenPost> seen;
  int detached = 0;
};
