#pragma once

#include <vector>

#include "corekit/notify/delivery_walk.h"
#include "corekit/notify/post_office.h"
#include "corekit/notify/post_target.h"

namespace kx_std {

// The office of a message type: a list of non-owning target pointers in attachment order.
// Duplicates give several entries; null entries are skipped. (The list is a member rather than a
// base: as a base of this polymorphic class its type information would be exported with the
// office's on Windows.)
template <typename T>
class list_postoffice : public TPostOffice<T> {
public:
  list_postoffice() = default;
  list_postoffice(const list_postoffice&) = delete;
  list_postoffice& operator=(const list_postoffice&) = delete;
  // Calls Detach on each target still attached, in attachment order.
  ~list_postoffice() { DetachAll(); }

  // Delivers in attachment order; see corekit::internal::DeliverByPosition for the walk.
  void Deliver(const T& message) override {
    corekit::internal::DeliverByPosition(
        m_entries,
        [](TPostTargetBase<T>* target) { return corekit::internal::IsWholeTarget(*target); },
        [&message](TPostTargetBase<T>* target) {
          corekit::internal::PostUnlessSkipped(*target, message);
        });
  }

  bool HasTargets() override { return !m_entries.empty(); }

  void RemoveTarget(TPostTargetBase<T>* target) override {
    corekit::internal::RemoveFirstEntry(m_entries, target);
  }

  void AddTarget(TPostTargetBase<T>* target) override { m_entries.push_back(Entry{target, false}); }

  // Detaches every target, in attachment order, and releases the entries: the office is empty
  // afterwards and stays usable.
  void DetachAll() {
    corekit::internal::DetachEntries(m_entries,
                                     [this](Entry& entry) { entry.target->Detach(*this); });
  }

private:
  // An attached target, and whether it was once found whole. A whole target stays whole until its
  // TPostTarget<T> part is destroyed, and that part removes it from the list first.
  struct Entry {
    TPostTargetBase<T>* target;
    bool whole;
  };

  std::vector<Entry> m_entries;
};

}  // namespace kx_std
