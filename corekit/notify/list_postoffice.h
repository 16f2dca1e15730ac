#pragma once

#include <cstddef>
#include <typeinfo>
#include <vector>

#include "corekit/notify/post_office.h"
#include "corekit/notify/post_target.h"

// Which posts an attached target does not receive: by default none. An office's message type may
// specialise it, before the office of that type is instantiated.
template <typename T>
struct TPostFilter {
  static bool Skip(const T&, TPostTargetBase<T>&) { return false; }
};

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

  // Walks by position and rereads the list after every call: a target that removes itself does not
  // make the next one miss the message, a target appended during the walk receives it, and a
  // removal before the current position keeps the walk in place.
  void Deliver(const T& message) override {
    for (std::size_t position = 0; position < m_entries.size();) {
      TPostTargetBase<T>* const target = m_entries[position].target;
      if (target != nullptr && HandlerAvailable(m_entries[position]) &&
          !TPostFilter<T>::Skip(message, *target)) {
        target->OnPost(message);
      }
      if (position >= m_entries.size()) return;
      if (m_entries[position].target == target) ++position;
    }
  }

  bool HasTargets() override { return !m_entries.empty(); }

  void RemoveTarget(TPostTargetBase<T>* target) override {
    for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
      if (entry->target == target) {
        m_entries.erase(entry);
        return;
      }
    }
  }

  void AddTarget(TPostTargetBase<T>* target) override { m_entries.push_back(Entry{target, false}); }

  // Detaches every target, in attachment order, and releases the entries: the office is empty
  // afterwards and stays usable.
  void DetachAll() {
    std::vector<Entry> entries;
    entries.swap(m_entries);
    for (const Entry& entry : entries) {
      if (entry.target != nullptr) entry.target->Detach(*this);
    }
  }

private:
  // An attached target, and whether it was once found whole. A whole target stays whole until its
  // TPostTarget<T> part is destroyed, and that part removes it from the list first.
  struct Entry {
    TPostTargetBase<T>* target;
    bool whole;
  };

  // A target whose most derived part is not built yet (a cache that is another base of the target
  // posts from its constructor) is only a TPostTarget<T> or TPostTargetBase<T> at that moment,
  // without a handler: it misses that post. The dynamic type is checked until the target is found
  // whole, so that a delivery usually costs one flag test.
  static bool HandlerAvailable(Entry& entry) {
    if (entry.whole) return true;
    const std::type_info& type = typeid(*entry.target);
    entry.whole = type != typeid(TPostTarget<T>) && type != typeid(TPostTargetBase<T>);
    return entry.whole;
  }

  std::vector<Entry> m_entries;
};

}  // namespace kx_std
