// Delivery of posts beside a loop of virtual calls, and flushing caches.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "corekit/notify/cache_base.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/notify/list_postoffice.h"

// The message and the target live outside an anonymous namespace, and the handler is not inlined:
// as with an application's targets, whose handlers live in other files, each delivery is a call.
namespace corekit_bench {

struct Signal {
  int value;
};

class Counter : public TPostTargetBase<Signal> {
public:
  [[gnu::noinline]] void OnPost(const Signal& signal) override { sum += signal.value; }
  long sum = 0;
};

}  // namespace corekit_bench

namespace {

using corekit_bench::Counter;
using corekit_bench::Signal;

void DeliverCorekit(benchmark::State& state) {
  const long n = state.range(0);
  kx_std::list_postoffice<Signal> office;
  std::vector<Counter> targets(static_cast<std::size_t>(n));
  for (Counter& target : targets) office.AddTarget(&target);
  for (auto _ : state) office.Deliver(Signal{1});
  benchmark::DoNotOptimize(targets.front().sum);
  office.DetachAll();
  state.SetComplexityN(n);
}
BENCHMARK(DeliverCorekit)->Name("Deliver1000/corekit")->Arg(1000);
BENCHMARK(DeliverCorekit)->Name("DeliverGrowth/corekit")->RangeMultiplier(10)->Range(1, 100000)->Complexity();

void DeliverPeer(benchmark::State& state) {
  const long n = state.range(0);
  std::vector<Counter> targets(static_cast<std::size_t>(n));
  std::vector<TPostTargetBase<Signal>*> list;
  for (Counter& target : targets) list.push_back(&target);
  for (auto _ : state) {
    for (TPostTargetBase<Signal>* target : list) target->OnPost(Signal{1});
  }
  benchmark::DoNotOptimize(targets.front().sum);
  state.SetComplexityN(n);
}
BENCHMARK(DeliverPeer)->Name("Deliver1000/peer")->Arg(1000);
BENCHMARK(DeliverPeer)->Name("DeliverGrowth/peer")->RangeMultiplier(10)->Range(1, 100000)->Complexity();

class BenchCache : public TCacheBase {
public:
  void ClearCache() override {}
  void ReloadCache() override {}
  bool IsCacheEmpty() const override { return true; }
  unsigned long GetCacheSize() const override { return 0; }
  KString GetCacheName() const override { return KString(); }
  bool NeedsFlush() override { return (++asked & 7) == 0; }
  void FlushCache() override { ++flushed; }
  unsigned asked = 0;
  unsigned flushed = 0;
};

void FlushCorekit(benchmark::State& state) {
  const long n = state.range(0);
  std::vector<std::unique_ptr<BenchCache>> caches;
  for (long i = 0; i < n; ++i) caches.push_back(std::make_unique<BenchCache>());
  for (auto _ : state) TCacheManager::FlushCaches();
  state.SetComplexityN(n);
}
BENCHMARK(FlushCorekit)->Name("FlushGrowth/corekit")->RangeMultiplier(10)->Range(1, 100000)->Complexity();

}  // namespace
