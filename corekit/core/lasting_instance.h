#pragma once

// The process-wide object of a type that must stay addressable after the library's unload has
// ended it (the post office, the cache manager): made in static storage at the first call and
// never destroyed, so that code running later still finds a valid, emptied object. Internal.

#include <new>

namespace corekit::internal {

template <typename T>
T& LastingInstance() {
  alignas(T) static unsigned char storage[sizeof(T)];
  static T* const instance = new (storage) T();
  return *instance;
}

}  // namespace corekit::internal
