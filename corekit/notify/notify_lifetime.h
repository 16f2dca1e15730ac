#pragma once

// The ends of the process's cache manager and office for cache posts. The library's unload runs
// them, in the reverse order of the objects' first use; each runs once, later calls do nothing.
// Both objects stay addressable and empty afterwards. Internal.

namespace corekit::internal {

// Ends registration (TCacheManager's Destr) and drops the cache list.
void EndCacheManager();

// Detaches every target, in attachment order, and empties the office.
void EndPostOffice();

}  // namespace corekit::internal
