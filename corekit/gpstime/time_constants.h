#pragma once

#include "corekit/platform/interface_types.h"

// The lengths and epochs that every GPS time count shares.
namespace corekit {
// Seconds in a minute, an hour, a day and a week.
inline constexpr ULONG SecondsPerMinute = 60;
inline constexpr ULONG SecondsPerHour = 3600;
inline constexpr ULONG SecondsPerDay = 86400;
inline constexpr ULONG SecondsPerWeek = 604800;
// Seconds from 1970-01-01 00:00:00 (the system clock's epoch) to the GPS epoch, 1980-01-06.
inline constexpr ULONG UnixSecondsAtGPSEpoch = 315964800;
}  // namespace corekit
