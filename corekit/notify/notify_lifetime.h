#pragma once

// The ends of the process's cache manager, office for cache posts and shared offices. The library's
// unload runs them, in the reverse order of the objects' first use; each runs once, later calls do
// nothing. All of them stay addressable and empty afterwards. Internal.

namespace corekit::internal {

// Ends registration (TCacheManager's Destr) and drops the cache list.
void EndCacheManager();

// Detaches every target, in attachment order, and empties the office.
void EndPostOffice();

// Detaches every target of each shared office, the latest office first, each in attachment order,
// and empties the offices.
void EndSharedPostOffices();

}  // namespace corekit::internal
