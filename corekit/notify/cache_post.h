#pragma once

#include "corekit/export.h"
#include "corekit/notify/post_office.h"
#include "corekit/notify/post_target.h"

class TCacheBase;

// The kinds of cache posts.
enum TCachePostMsg : int {
  CacheRegistered = 0,    // a cache was constructed and registered
  CacheUnRegistered = 1,  // a cache was destroyed (or unregistered)
  CacheUpdated = 2,       // a cache announced a change of its content
};

// The message the cache manager posts about a cache. Targets may use the cache's identity in every
// post, and its virtual operations only in CacheUpdated posts (the others come from its base
// constructor and destructor).
//
// A target that is not whole misses posts: while only its TPostTarget part exists (during that
// constructor, or when a cache that is a later base of the same object registers) and, for a
// target that is itself a cache, its own registration and unregistration. A cache that is a data
// member of a target posts to it while the target's other members are built or destroyed.
class COREKIT_API TCachePost {
public:
  // A post of message about cache.
  TCachePost(TCacheBase& cache, TCachePostMsg message);

  TCacheBase* Cache;  // the cache the post is about
  TCachePostMsg Msg;  // what happened to it
};

// The process's office for cache posts: the same address on every call, from the first call on
// (it is made then) and also after the library's unload has emptied it.
COREKIT_API void GetPostOffice(TPostOffice<TCachePost>*& office);

// The target classes for cache posts are instantiated once, in the library.
extern template class COREKIT_API TPostTargetBase<TCachePost>;
extern template class COREKIT_API TPostTarget<TCachePost>;
