#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// Size of the date and time text buffers, in characters with the terminating NUL.
inline constexpr int TimeTextBufferSize = 128;

// Formats the record's date in the user's default locale with a date picture of the Windows kind
// (d, dd, ddd, dddd, M ... MMMM, y, yy, yyyy, gg, 'quoted text'); a null picture is the locale's
// default date. The text goes into buffer, which holds TimeTextBufferSize characters; on failure the
// buffer keeps what it held.
void FormatDate(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept;

// Formats the record's time of day the same way with a time picture (h, hh, H, HH, m, mm, s, ss,
// t, tt, 'quoted text'); a null picture is the locale's default time.
void FormatTime(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept;

// Converts a UTC record in place to the machine's local time in force at that date; false when
// the conversion is impossible, leaving the record in an unspecified state.
bool UtcToLocalTime(SYSTEMTIME& record) noexcept;

// The system clock's current UTC time.
SYSTEMTIME CurrentUtcTime() noexcept;

}  // namespace corekit::platform
