// GPS time conversions beside std::chrono, and the text of a time beside strftime.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"

namespace {

using namespace std::chrono;

constexpr unsigned Days = 4096;

void GpsTimeSetCorekit(benchmark::State& state) {
  unsigned i = 0;
  for (auto _ : state) {
    const unsigned n = i++ % Days;
    TGPSTime time(2000 + n % 100, static_cast<TGPSTime::TMonth>(1 + n % 12), 1 + n % 28, n % 24, n % 60, n % 60);
    benchmark::DoNotOptimize(time);
  }
}
BENCHMARK(GpsTimeSetCorekit)->Name("GpsTimeSet/corekit");

// Set checks its input; so does the peer, as a user given a date would.
long long ChronoSeconds(const year_month_day& date, unsigned hour, unsigned minute, unsigned second) {
  const bool valid = date.ok() && hour < 24 && minute < 60 && second < 60;
  return valid ? (sys_days(date) - sys_days(year(1980) / 1 / 6)).count() * 86400LL + hour * 3600 +
                     minute * 60 + second
               : 0;
}

void GpsTimeSetPeer(benchmark::State& state) {
  unsigned i = 0;
  for (auto _ : state) {
    const unsigned n = i++ % Days;
    const year_month_day date{year(static_cast<int>(2000 + n % 100)), month(1 + n % 12), day(1 + n % 28)};
    benchmark::DoNotOptimize(ChronoSeconds(date, n % 24, n % 60, n % 60));
  }
}
BENCHMARK(GpsTimeSetPeer)->Name("GpsTimeSet/peer");

void GpsTimeGetDateCorekit(benchmark::State& state) {
  ULONG seconds = 86400;
  for (auto _ : state) {
    unsigned y = 0, d = 0;
    TGPSTime::TMonth m = TGPSTime::January;
    TGPSTime::TDayOfWeek w = TGPSTime::Sunday;
    TGPSTime(seconds).GetDate(y, m, d, w);
    benchmark::DoNotOptimize(y + d + m + w);
    seconds += 86399;
  }
}
BENCHMARK(GpsTimeGetDateCorekit)->Name("GpsTimeGetDate/corekit");

struct ChronoDate {
  int year;
  unsigned month, day, dayOfWeek;
};

ChronoDate DateOfSeconds(ULONG seconds) {
  const sys_days day = sys_days(year(1980) / 1 / 6) + days(seconds / 86400);
  const year_month_day date(day);
  return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()), weekday(day).c_encoding()};
}

void GpsTimeGetDatePeer(benchmark::State& state) {
  ULONG seconds = 86400;
  for (auto _ : state) {
    const ChronoDate date = DateOfSeconds(seconds);
    benchmark::DoNotOptimize(date.year + date.day + date.month + date.dayOfWeek);
    seconds += 86399;
  }
}
BENCHMARK(GpsTimeGetDatePeer)->Name("GpsTimeGetDate/peer");

void TimeMsAsStringCorekit(benchmark::State& state) {
  ULONG seconds = 802873845;
  for (auto _ : state) {
    const KString text = TGPSTimeMS(seconds, 250).AsString(3, 0, "yyyy-MM-dd");
    benchmark::DoNotOptimize(text.GetLength());
    seconds += 86399;
  }
}
BENCHMARK(TimeMsAsStringCorekit)->Name("TimeMsAsString/corekit");

void TimeMsAsStringPeer(benchmark::State& state) {
  ULONG seconds = 802873845;
  for (auto _ : state) {
    const std::time_t unix = static_cast<std::time_t>(seconds) + 315964800;
    std::tm fields{};
    gmtime_r(&unix, &fields);
    char date[32], clock[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", &fields);
    std::snprintf(clock, sizeof clock, "%02d:%02d:%06.3f", fields.tm_hour, fields.tm_min, fields.tm_sec + 0.25);
    const std::string text = std::string(date) + " " + clock;
    benchmark::DoNotOptimize(text.size());
    seconds += 86399;
  }
}
BENCHMARK(TimeMsAsStringPeer)->Name("TimeMsAsString/peer");

}  // namespace
