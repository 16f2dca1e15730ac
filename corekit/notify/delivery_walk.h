#pragma once

// The delivery walk and the end of the offices: both offices (the list office of one module and
// the library's shared office) keep entries with a target pointer and a flag that the target was
// found whole. Internal.

#include <cstddef>
#include <utility>

namespace corekit::internal {

// Hands a message to each entry by position and rereads the list after every call: a target that
// removes itself does not make the next one miss the message, a target appended during the walk
// receives it, and a removal before the current position keeps the walk in place. Null entries
// are skipped; so is a target that is not whole yet (isWhole is asked until it says yes once).
template <typename Entries, typename IsWhole, typename Post>
void DeliverByPosition(Entries& entries, IsWhole isWhole, Post post) {
  for (std::size_t position = 0; position < entries.size();) {
    auto& entry = entries[position];
    const auto target = entry.target;
    if (target != nullptr && (entry.whole || (entry.whole = isWhole(target)))) post(target);
    if (position >= entries.size()) return;
    if (entries[position].target == target) ++position;
  }
}

// Erases the first entry for target; the later ones move down, in their order.
template <typename Entries, typename Target>
void RemoveFirstEntry(Entries& entries, Target target) {
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    if (entry->target == target) {
      entries.erase(entry);
      return;
    }
  }
}

// Empties the entries first, then calls detach for each non-null one in attachment order: the
// office is empty and usable while its targets are told.
template <typename Entries, typename Detach>
void DetachEntries(Entries& entries, Detach detach) {
  Entries taken;
  taken.swap(entries);
  for (auto& entry : taken) {
    if (entry.target != nullptr) detach(entry);
  }
}

}  // namespace corekit::internal
