// GNSS time: GPS - UTC from the leap-second table beside the linear scan most GNSS code does,
// week resolution and scale conversions beside the same arithmetic written inline.

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

void GpsMinusUtcCorekit(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TLeapSeconds::AtUTC(TGPSTime(instants[i++ % Count])));
  }
}
BENCHMARK(GpsMinusUtcCorekit)->Name("GpsMinusUtc/corekit");

// The usual table: UTC instants of each change (seconds from the GPS epoch) with GPS - UTC,
// scanned from the newest entry back.
struct LeapRow {
  ULONG start;
  int offset;
};
constexpr LeapRow Table[] = {{1167264000, 18}, {1119744000, 17}, {1025136000, 16}, {914803200, 15},
                             {820108800, 14},  {599184000, 13},  {551750400, 12},  {504489600, 11},
                             {457056000, 10},  {425520000, 9},   {393984000, 8},   {346723200, 7},
                             {315187200, 6},   {252028800, 5},   {173059200, 4},   {109900800, 3},
                             {78364800, 2},    {46828800, 1}};

int ScanTable(ULONG seconds) {
  for (const LeapRow& row : Table) {
    if (seconds >= row.start) return row.offset;
  }
  return 0;
}

void GpsMinusUtcPeer(benchmark::State& state) {
  const std::vector<ULONG>& instants = Instants();
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ScanTable(instants[i++ % Count]));
}
BENCHMARK(GpsMinusUtcPeer)->Name("GpsMinusUtc/peer");

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
