#pragma once

// A week and second of week as a receiver gives them: on GPS, Galileo or BeiDou time, the week
// truncated to a few bits or in full.

#include <optional>
#include <string>

#include "corekit/platform/interface_types.h"

namespace corekit::tool {

struct WeekInput {
  std::string week;
  std::string secondOfWeek;                // with up to nine decimals
  std::optional<std::string> system{};     // gps (default), gal or bds
  std::optional<std::string> bits{};       // 10, 12, 13 or full
  std::optional<std::string> reference{};  // UTC date a truncated week resolves near; none: now
  bool count = false;  // GPS weeks of TGPSTime's count (UTC without leap seconds), not true GPS
};

// The instant of a week input, or the one-line reason there is none.
struct WeekResult {
  long long seconds = 0;  // true GPS seconds, or TGPSTime's count with WeekInput::count
  ULONG nanoseconds = 0;
  int fixedRuleWeek = 0;       // a 10-bit GPS week as TGPSWeek reads it
  bool referenceUsed = false;  // the week was truncated and resolved near the reference
  std::string error;
};

// Resolves the week: without --bits a GPS week below 1024 is 10-bit and every other week full.
// A truncated week becomes the one nearest the reference's week on the same scale.
WeekResult ResolveWeek(const WeekInput& input);

}  // namespace corekit::tool
