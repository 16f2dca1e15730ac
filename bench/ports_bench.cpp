// Listing the serial ports with their details (corekit) beside listing their names alone (the
// peer); a watcher's look that finds no change beside one listing with details; and the time from
// a change of the ports until a watching thread has told it. The program runs in umockdev's test
// bed with 200 recorded ports (see ports_test_bed.cpp).

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "corekit/util/com_port_details.h"
#include "corekit/util/com_port_watcher.h"
#include "corekit/util/com_ports.h"
#include "tests/support/test_bed_uevent.h"

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

// Counts the changes told, from whichever thread tells them.
class Told : public TPostTargetBase<TComPortChange> {
public:
  void OnPost(const TComPortChange&) override {
    {
      const std::lock_guard<std::mutex> guard(m_lock);
      ++m_count;
    }
    m_told.notify_all();
  }
  void WaitFor(int count) {
    std::unique_lock<std::mutex> guard(m_lock);
    m_told.wait(guard, [&] { return m_count >= count; });
  }

private:
  std::mutex m_lock;
  std::condition_variable m_told;
  int m_count = 0;
};

void WatcherLook(benchmark::State& state) {
  TComPortWatcher watcher;
  Told target;
  watcher.Poll(target);
  for (auto _ : state) benchmark::DoNotOptimize(watcher.Poll(target));
}
BENCHMARK(WatcherLook)->Name("SerialPortWatch/corekit");

// One change an iteration, ttyUSB0 unplugged or plugged in again (its tty entry moved away or
// back, then the udev event sent), timed until the watching thread has told it.
void EventTold(benchmark::State& state) {
  const char* bed = std::getenv("UMOCKDEV_DIR");
  if (bed == nullptr) {
    state.SkipWithError("not in umockdev's test bed");
    return;
  }
  const std::filesystem::path entry = std::filesystem::path(bed) / "sys/class/tty/ttyUSB0";
  const std::filesystem::path aside = std::filesystem::path(bed) / "unplugged";
  const std::string device = read_symlink(entry).string();
  Told target;
  TComPortWatcher watcher;
  Counter<kx_std::s_d<KString, KString>> present;
  int told = EnumComPorts(present);
  watcher.Start(target, 3600000);  // only the events wake it
  target.WaitFor(told);
  for (auto _ : state) {
    const bool plugged = exists(entry);
    const auto start = std::chrono::steady_clock::now();
    std::filesystem::rename(plugged ? entry : aside, plugged ? aside : entry);
    SendTestBedUevent(plugged ? "remove" : "add", device.substr(device.find("/devices")).c_str());
    target.WaitFor(++told);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  if (!exists(entry)) std::filesystem::rename(aside, entry);
}
BENCHMARK(EventTold)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Name("SerialPortEventTold/corekit");

}  // namespace
