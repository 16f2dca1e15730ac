// GNSS time: GPS - UTC from the leap-second table beside the linear scan most GNSS code does (over
// the dates of the changes; and, without a goal, over their instants worked out beforehand), week
// resolution and scale conversions beside the same arithmetic written inline.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "corekit/gpstime/gnss_week.h"
#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/time_scale.h"

namespace {

constexpr std::size_t Count = 4096;

// Instants spread over 1980 to 2027, where the table has entries.
const std::vector<ULONG>& Instants() {
  static const std::vector<ULONG> instants = [] {
    std::mt19937 random(7);
    std::uniform_int_distribution<ULONG> seconds(1, 1500000000);
    std::vector<ULONG> values(Count);
    for (ULONG& value : values) value = seconds(random);
    return values;
  }();
  return instants;
}

// Each iteration converts a batch of epochs, as a receiver's log gives them.
void GpsMinusUtcCorekit(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  for (auto _ : state) {
    int sum = 0;
    for (const ULONG instant : instants) sum += TLeapSeconds::AtUTC(instant);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(GpsMinusUtcCorekit)->Name("GpsMinusUtc/corekit");

// The usual table: the dates of the changes with GPS - UTC, newest first, scanned until the
// instant is not before the date, each date turned into seconds as it is compared.
struct LeapDate {
  int year, month, day, offset;
};
constexpr LeapDate Dates[] = {
    {2017, 1, 1, 18}, {2015, 7, 1, 17}, {2012, 7, 1, 16}, {2009, 1, 1, 15}, {2006, 1, 1, 14},
    {1999, 1, 1, 13}, {1997, 7, 1, 12}, {1996, 1, 1, 11}, {1994, 7, 1, 10}, {1993, 7, 1, 9},
    {1992, 7, 1, 8},  {1991, 1, 1, 7},  {1990, 1, 1, 6},  {1988, 1, 1, 5},  {1985, 7, 1, 4},
    {1983, 7, 1, 3},  {1982, 7, 1, 2},  {1981, 7, 1, 1}};
constexpr int DaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Seconds from the GPS epoch to a date (years 1901 to 2099).
long long SecondsOfDate(const LeapDate& date) {
  const int days = (date.year - 1970) * 365 + (date.year - 1969) / 4 +
                   DaysBeforeMonth[date.month - 1] + date.day - 1 +
                   (date.year % 4 == 0 && date.month >= 3 ? 1 : 0);
  return days * 86400LL - 315964800;
}

int ScanDates(ULONG seconds) {
  for (const LeapDate& date : Dates) {
    if (seconds >= SecondsOfDate(date)) return date.offset;
  }
  return 0;
}

// The same table with the instants worked out beforehand: the fastest linear scan.
struct LeapRow {
  ULONG start;
  int offset;
};
constexpr LeapRow Table[] = {{1167264000, 18}, {1119744000, 17}, {1025136000, 16}, {914803200, 15},
                             {820108800, 14},  {599184000, 13},  {551750400, 12},  {504489600, 11},
                             {457056000, 10},  {425520000, 9},   {393984000, 8},   {346723200, 7},
                             {315187200, 6},   {252028800, 5},   {173059200, 4},   {109900800, 3},
                             {78364800, 2},    {46828800, 1}};

int ScanSeconds(ULONG seconds) {
  for (const LeapRow& row : Table) {
    if (seconds >= row.start) return row.offset;
  }
  return 0;
}

template <int (*Scan)(ULONG)>
void GpsMinusUtcPeer(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  for (auto _ : state) {
    int sum = 0;
    for (const ULONG instant : instants) sum += Scan(instant);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(GpsMinusUtcPeer<ScanDates>)->Name("GpsMinusUtc/peer");
BENCHMARK(GpsMinusUtcCorekit)->Name("GpsMinusUtcSecondsTable/corekit");
BENCHMARK(GpsMinusUtcPeer<ScanSeconds>)->Name("GpsMinusUtcSecondsTable/peer");

void WeekResolveCorekit(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const ULONG n = instants[i++ % Count];
    benchmark::DoNotOptimize(TGNSSWeek::Resolve(n & 1023, 10, static_cast<int>(n >> 20)));
  }
}
BENCHMARK(WeekResolveCorekit)->Name("WeekResolve/corekit");

void WeekResolvePeer(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const ULONG n = instants[i++ % Count];
    const int reference = static_cast<int>(n >> 20);
    int week = reference + static_cast<int>(((n & 1023) - static_cast<ULONG>(reference)) & 1023);
    if (week - reference >= 512) week -= 1024;
    if (week < 0) week += 1024;
    benchmark::DoNotOptimize(week);
  }
}
BENCHMARK(WeekResolvePeer)->Name("WeekResolve/peer");

// GPS to BeiDou and Galileo weeks and seconds of week.
void ScaleConvertCorekit(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const ULONG gps = instants[i++ % Count];
    const ULONG bdt = TTimeScales::Convert(gps, TTimeScale::GPS, TTimeScale::BDT);
    const ULONG gst = TTimeScales::Convert(gps, TTimeScale::GPS, TTimeScale::GST);
    benchmark::DoNotOptimize(TTimeScales::Week(bdt, TTimeScale::BDT));
    benchmark::DoNotOptimize(TTimeScales::SecondOfWeek(bdt));
    benchmark::DoNotOptimize(TTimeScales::Week(gst, TTimeScale::GST));
    benchmark::DoNotOptimize(TTimeScales::SecondOfWeek(gst));
  }
}
BENCHMARK(ScaleConvertCorekit)->Name("ScaleConvert/corekit");

void ScaleConvertPeer(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const ULONG gps = instants[i++ % Count];
    const ULONG bdt = gps - 14;
    benchmark::DoNotOptimize(static_cast<int>(bdt / 604800) - 1356);
    benchmark::DoNotOptimize(bdt % 604800);
    benchmark::DoNotOptimize(static_cast<int>(gps / 604800) - 1024);
    benchmark::DoNotOptimize(gps % 604800);
  }
}
BENCHMARK(ScaleConvertPeer)->Name("ScaleConvert/peer");

}  // namespace
