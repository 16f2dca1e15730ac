// Listing the serial ports with their details (corekit) beside listing their names alone (the
// peer), and a watcher's look that finds no change beside the listing it makes, on this machine.

#include <benchmark/benchmark.h>

#include "corekit/util/com_port_details.h"
#include "corekit/util/com_port_watcher.h"
#include "corekit/util/com_ports.h"

namespace {

template <typename T>
class Counter : public kx_std::base_coll<T> {
public:
  int Count() const override { return count; }
  void Clear() override { count = 0; }
  void Insert(T, int) override { ++count; }
  int count = 0;
};

void PortNames(benchmark::State& state) {
  for (auto _ : state) {
    Counter<kx_std::s_d<KString, KString>> ports;
    benchmark::DoNotOptimize(EnumComPorts(ports));
  }
}
BENCHMARK(PortNames)->Name("SerialPortDetails/peer");

void PortDetails(benchmark::State& state) {
  for (auto _ : state) {
    Counter<TComPortInfo> ports;
    benchmark::DoNotOptimize(EnumComPortDetails(ports));
  }
}
BENCHMARK(PortDetails)->Name("SerialPortDetails/corekit");
BENCHMARK(PortDetails)->Name("SerialPortWatch/peer");

class Ignored : public TPostTargetBase<TComPortChange> {
public:
  void OnPost(const TComPortChange&) override {}
};

void WatcherLook(benchmark::State& state) {
  TComPortWatcher watcher;
  Ignored target;
  watcher.Poll(target);
  for (auto _ : state) benchmark::DoNotOptimize(watcher.Poll(target));
}
BENCHMARK(WatcherLook)->Name("SerialPortWatch/corekit");

}  // namespace
