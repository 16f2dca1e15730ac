// ProbeComPort on a simulated receiver that talks at 115200, on a pseudo-terminal that starts at
// 9600: the usual rates are tried from the port's own, so 9600 shows garbage until the probe
// leaves it, then 115200 shows frames. The peer is the same probe told the right rate first: what
// finding two frames costs once the rate is known. Wall-clock time of each probe.

#include <benchmark/benchmark.h>

#include <chrono>

#include "corekit/gnss/com_port_probe.h"
#include "corekit/util/com_port_stream.h"
#include "tests/support/receiver_frames.h"
#include "tests/support/simulated_receiver.h"

namespace {

void Probe(benchmark::State& state, DWORD first) {
  auto receiver = corekit_test::MakeLocalReceiver();
  if (!receiver) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  receiver->Speak(115200, corekit_test::ReceiverFrameBytes());
  const KString name = receiver->PortName().c_str();
  TComPortProbeOptions options;
  options.Baud = first;
  for (auto _ : state) {
    TComPortStream port;
    if (port.Open(name, {}) != 0) {
      state.SkipWithError("the port does not open");
      return;
    }
    const auto start = std::chrono::steady_clock::now();
    const TComPortProbeResult probe = ProbeComPort(port, options);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (probe.Result != 0 || probe.Baud != 115200) state.SkipWithError("no receiver found");
  }
}

void ProbeUsualRates(benchmark::State& state) { Probe(state, 0); }
void ProbeKnownRate(benchmark::State& state) { Probe(state, 115200); }

BENCHMARK(ProbeUsualRates)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Name("ProbeReceiver115200/corekit");
BENCHMARK(ProbeKnownRate)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Name("ProbeReceiver115200/peer");

}  // namespace
