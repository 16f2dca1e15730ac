#pragma once

// The checks of the fuzz targets. A failed check names itself on standard error and aborts, so
// that libFuzzer saves the input.

#include <cstdio>
#include <cstdlib>

namespace corekit_fuzz {

[[noreturn]] inline void Failed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace corekit_fuzz

#define EXPECT(condition) \
  ((condition) ? static_cast<void>(0) : corekit_fuzz::Failed(#condition, __FILE__, __LINE__))
