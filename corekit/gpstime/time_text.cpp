#include "corekit/gpstime/time_text.h"

#include <charconv>
#include <cstdio>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/platform/time_format.h"

namespace corekit::internal {
namespace {

constexpr int LocalTimeZone = 800;
constexpr int LargestZoneOffset = 720;

// "%02d:%02d:%0*.*f" of the hour, minute and seconds as the "C" locale prints it: the decimal
// point stays a point whatever LC_NUMERIC the program chose.
void WriteClock(char* clock, std::size_t size, WORD hour, WORD minute, double seconds, int width,
                int decimals) {
  char digits[32];
  const std::to_chars_result result =
      std::to_chars(digits, digits + sizeof digits, seconds, std::chars_format::fixed, decimals);
  const int length = static_cast<int>(result.ptr - digits);
  std::snprintf(clock, size, "%02d:%02d:%.*s%.*s", hour, minute,
                length < width ? width - length : 0, "0000000000000000", length, digits);
}

// The calendar record of a time, milliseconds as given.
SYSTEMTIME RecordOf(const TGPSTime& time, WORD milliseconds) {
  unsigned int year = 0;
  TGPSTime::TMonth month = TGPSTime::January;
  unsigned int day = 0;
  TGPSTime::TDayOfWeek dayOfWeek = TGPSTime::Sunday;
  time.GetDate(year, month, day, dayOfWeek);
  SYSTEMTIME record{};
  record.wYear = static_cast<WORD>(year);
  record.wMonth = static_cast<WORD>(month);
  record.wDayOfWeek = static_cast<WORD>(dayOfWeek);
  record.wDay = static_cast<WORD>(day);
  record.wHour = static_cast<WORD>(time.Hour(0));
  record.wMinute = static_cast<WORD>(time.Minute(0));
  record.wSecond = static_cast<WORD>(time.Second());
  record.wMilliseconds = milliseconds;
  return record;
}

}  // namespace

KString GpsTimeText(ULONG seconds, ULONG subSecond, SubSecondPart part, int mode, int zone,
                    const char* dateFormat, const char* timeFormat) {
  if (seconds == 0) return KString();
  TGPSTime time(seconds);
  if (zone != 0 && zone >= -LargestZoneOffset && zone <= LargestZoneOffset) time += zone * 60;

  const WORD milliseconds =
      static_cast<WORD>(part == SubSecondPart::Milliseconds  ? subSecond
                        : part == SubSecondPart::Nanoseconds ? subSecond / 1000000
                                                             : 0);
  SYSTEMTIME record = RecordOf(time, milliseconds);
  if (zone == LocalTimeZone && !platform::UtcToLocalTime(record))
    return KString("<Time conversion failed>");

  char date[platform::TimeTextBufferSize] = "";
  char clock[platform::TimeTextBufferSize] = "";
  if (mode > 1) platform::FormatDate(record, dateFormat, date);
  if (mode != 2) {
    switch (part) {
      case SubSecondPart::None:
        platform::FormatTime(record, timeFormat, clock);
        break;
      case SubSecondPart::Milliseconds:
        WriteClock(clock, sizeof clock, record.wHour, record.wMinute,
                   record.wSecond + milliseconds * 0.001, 6, 3);
        break;
      case SubSecondPart::Nanoseconds:
        WriteClock(clock, sizeof clock, record.wHour, record.wMinute,
                   record.wSecond + subSecond * 1e-9, 12, 9);
        break;
    }
  }
  return KString(date) + (mode == 3 ? " " : "") + clock;
}

}  // namespace corekit::internal

namespace ci = corekit::internal;

KString TGPSTime::AsString(int mode, int zone, const char* dateFormat,
                           const char* timeFormat) const {
  return ci::GpsTimeText(Seconds(), 0, ci::SubSecondPart::None, mode, zone, dateFormat, timeFormat);
}

KString TGPSTimeMS::AsString(int mode, int zone, const char* dateFormat,
                             const char* /*timeFormat*/) const {
  return ci::GpsTimeText(Seconds(), mSecond(), ci::SubSecondPart::Milliseconds, mode, zone,
                         dateFormat, nullptr);
}

KString TGPSTimeNS::AsString(int mode, int zone, const char* dateFormat,
                             const char* /*timeFormat*/) const {
  return ci::GpsTimeText(Seconds(), nSecond(), ci::SubSecondPart::Nanoseconds, mode, zone,
                         dateFormat, nullptr);
}
