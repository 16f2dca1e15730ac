#include "corekit/core/unique_name.h"

#include <algorithm>
#include <cstdio>

KString BuildUniqName(const KString& base, int maxLength,
                      bool (*accept)(const KString& candidate, void* context), void* context) {
  KString candidate = base;
  for (unsigned long long number = 1; !accept(candidate, context); ++number) {
    char suffix[32];
    const int suffixLength = std::snprintf(suffix, sizeof suffix, "(%llu)", number);
    const long long keep = std::max(static_cast<long long>(maxLength) - suffixLength - 1, 0LL);
    candidate = base.Left(static_cast<int>(std::min<long long>(keep, base.GetLength()))) + suffix;
  }
  return candidate;
}
