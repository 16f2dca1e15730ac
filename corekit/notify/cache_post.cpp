#include "corekit/notify/cache_post.h"

#include <new>

#include "corekit/notify/cache_base.h"
#include "corekit/notify/list_postoffice.h"
#include "corekit/notify/notify_lifetime.h"
#include "corekit/notify/send_post.h"

// A cache posts its registration from its base constructor and its unregistration from its base
// destructor. When the cache is a base of a target, the target is not whole at those moments (its
// handler and data may not exist yet or any more), so it does not receive these two posts.
template <>
struct TPostFilter<TCachePost> {
  static bool Skip(const TCachePost& post, TPostTargetBase<TCachePost>& target) {
    return post.Msg != CacheUpdated && dynamic_cast<TCacheBase*>(&target) == post.Cache;
  }
};

template class TPostTargetBase<TCachePost>;
template class TPostTarget<TCachePost>;

TCachePost::TCachePost(TCacheBase& cache, TCachePostMsg message) : Cache(&cache), Msg(message) {}

namespace {

using Office = kx_std::list_postoffice<TCachePost>;

// The office lives in storage that outlasts it: the library's unload empties it but does not end
// its lifetime, so that targets destroyed later still find it.
Office& TheOffice() {
  alignas(Office) static unsigned char storage[sizeof(Office)];
  static Office* const office = new (storage) Office();
  return *office;
}

// Joins the exit list when the office is first used: its end then runs in the reverse order of
// first use among the library's lazily made objects.
struct OfficeEnd {
  ~OfficeEnd() { corekit::internal::EndPostOffice(); }
};

}  // namespace

void GetPostOffice(TPostOffice<TCachePost>*& office) {
  static OfficeEnd end;
  office = &TheOffice();
}

void corekit::internal::EndPostOffice() { TheOffice().DetachAll(); }

void SendPost(const TCachePost& message) {
  TPostOffice<TCachePost>* office = nullptr;
  GetPostOffice(office);
  office->Deliver(message);
}
