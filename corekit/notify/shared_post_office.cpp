#include "corekit/notify/shared_post_office.h"

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "corekit/core/lasting_instance.h"
#include "corekit/notify/delivery_walk.h"
#include "corekit/notify/notify_lifetime.h"

namespace {

// An attached target, whether it was once found whole, and the calls of the module that attached
// it (used for its Detach only: deliveries use the poster's).
struct Entry {
  void* target;
  bool whole;
  const TPostCalls* calls;
};

class SharedOffice final : public TSharedPostOffice {
public:
  std::vector<Entry> entries;
};

// The offices by type name, in the order they were made. The names are copies: the module that
// asked first may be unloaded.
struct OfficeRegistry {
  std::mutex lock;
  std::vector<std::pair<std::string, std::unique_ptr<SharedOffice>>> offices;
};

// Never destroyed: targets destroyed after the library's unload still find their office.
OfficeRegistry& TheRegistry() { return corekit::internal::LastingInstance<OfficeRegistry>(); }

// Joins the exit list when the first office is made.
struct RegistryEnd {
  ~RegistryEnd() { corekit::internal::EndSharedPostOffices(); }
};

SharedOffice& Self(TSharedPostOffice* office) { return *static_cast<SharedOffice*>(office); }

}  // namespace

TSharedPostOffice& TSharedPostOffice::Find(const char* key) {
  static RegistryEnd end;
  OfficeRegistry& registry = TheRegistry();
  // Modules make their views of the offices on any thread.
  const std::lock_guard<std::mutex> guard(registry.lock);
  for (auto& [name, office] : registry.offices) {
    if (name == key) return *office;
  }
  registry.offices.emplace_back(key, std::make_unique<SharedOffice>());
  return *registry.offices.back().second;
}

void TSharedPostOffice::AddTarget(void* target, const TPostCalls& calls) {
  Self(this).entries.push_back(Entry{target, false, &calls});
}

void TSharedPostOffice::RemoveTarget(void* target) {
  corekit::internal::RemoveFirstEntry(Self(this).entries, target);
}

bool TSharedPostOffice::HasTargets() const {
  return !static_cast<const SharedOffice*>(this)->entries.empty();
}

void TSharedPostOffice::Deliver(const void* message, const TPostCalls& calls) {
  corekit::internal::DeliverByPosition(Self(this).entries, calls.IsWhole,
                                       [&](void* target) { calls.Post(target, message); });
}

void corekit::internal::EndSharedPostOffices() {
  OfficeRegistry& registry = TheRegistry();
  // The latest office first, as the library's other lazily made objects end.
  for (auto office = registry.offices.rbegin(); office != registry.offices.rend(); ++office) {
    DetachEntries(office->second->entries, [](Entry& entry) { entry.calls->Detach(entry.target); });
  }
}
