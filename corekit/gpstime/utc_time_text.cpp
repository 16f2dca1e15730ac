// The text of a UTC time: ISO 8601 date and time with second 60 in an inserted second.

#include <cstdio>
#include <string>
#include <string_view>

#include "corekit/gpstime/civil_days.h"
#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/utc_time.h"

namespace ci = corekit::internal;

namespace {

constexpr const char* LastTimeText = "2116-02-12T06:28:15";

// Exactly `digits` decimal digits at text[at].
bool ReadDigits(std::string_view text, std::size_t at, std::size_t digits, unsigned int& value) {
  if (at + digits > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + static_cast<unsigned int>(text[i] - '0');
  }
  return true;
}

// One to nine decimals as nanoseconds.
bool ReadFraction(std::string_view digits, unsigned int& nanoseconds) {
  if (digits.empty() || digits.size() > 9 || !ReadDigits(digits, 0, digits.size(), nanoseconds))
    return false;
  for (std::size_t i = digits.size(); i < 9; ++i) nanoseconds *= 10;
  return true;
}

bool Refuse(KString& reason, const std::string& text) {
  reason = KString(text.c_str());
  return false;
}

}  // namespace

bool TUTCTime::Parse(const char* text, TUTCTime& time, KString& reason) {
  const std::string_view t = text != nullptr ? text : "";
  const std::string quoted = std::string(t);
  unsigned int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, nanoseconds = 0;
  const bool dateOk = t.size() >= 10 && ReadDigits(t, 0, 4, year) && t[4] == '-' &&
                      ReadDigits(t, 5, 2, month) && t[7] == '-' && ReadDigits(t, 8, 2, day);
  const bool timeOk =
      t.size() == 10 ||
      (t.size() >= 19 && t[10] == 'T' && ReadDigits(t, 11, 2, hour) && t[13] == ':' &&
       ReadDigits(t, 14, 2, minute) && t[16] == ':' && ReadDigits(t, 17, 2, second) &&
       (t.size() == 19 || (t[19] == '.' && ReadFraction(t.substr(20), nanoseconds))));
  if (!dateOk || !timeOk) {
    return Refuse(reason, "'" + quoted +
                              "' is not a date YYYY-MM-DD or a date and time "
                              "YYYY-MM-DDThh:mm:ss[.fffffffff]");
  }
  if (year < ci::FirstYear || year > ci::LastYear) {
    return Refuse(reason, quoted + ": the year must be 1980 to 2116");
  }
  unsigned int gpsDay = 0;
  if (!ci::GpsDayOfDate(year, month, day, gpsDay)) {
    const bool early = year == ci::FirstYear && month == 1 && day >= 1 && day < 6;
    return Refuse(reason, quoted + (early ? " is before the GPS epoch 1980-01-06T00:00:00"
                                          : " is not a calendar date"));
  }
  const bool sixty = hour == 23 && minute == 59 && second == 60;
  if (hour > 23 || minute > 59 || (second > 59 && !sixty)) {
    return Refuse(reason, quoted + " is not a time of day");
  }
  const long long calendar = static_cast<long long>(gpsDay) * ci::SecondsPerDay +
                             hour * ci::SecondsPerHour + minute * ci::SecondsPerMinute +
                             (sixty ? 59 : second);
  if (calendar > 0xFFFFFFFFLL) {
    return Refuse(reason, quoted + " is past the last GPS time " + LastTimeText);
  }
  const TUTCTime parsed(static_cast<ULONG>(calendar), sixty, nanoseconds, true);
  if (!parsed.IsValid()) {
    return Refuse(reason, quoted + (sixty ? ": no leap second was inserted there"
                                          : ": that second was removed from UTC"));
  }
  time = parsed;
  reason = KString();
  return true;
}

KString TUTCTime::AsText() const { return AsText(0); }

KString TUTCTime::AsText(int decimals) const {
  if (!m_isTime) return KString();
  const ci::TCivilDate date = ci::DateOfGpsDay(m_calendar.Seconds() / ci::SecondsPerDay);
  const ULONG ofDay = m_calendar.Seconds() % ci::SecondsPerDay;
  char text[48];
  const int length = std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", date.year,
                                   date.month, date.day, static_cast<unsigned int>(ofDay / 3600),
                                   static_cast<unsigned int>(ofDay / 60 % 60),
                                   m_leapSecond ? 60u : static_cast<unsigned int>(ofDay % 60));
  if (decimals > 0 && decimals <= 9) {
    unsigned int digits = m_nanoseconds;
    for (int i = decimals; i < 9; ++i) digits /= 10;
    std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ".%0*u", decimals,
                  digits);
  }
  return KString(text);
}
