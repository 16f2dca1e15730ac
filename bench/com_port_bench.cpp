// A serial port's stream beside a plain read() loop, both reading 16 MiB from a pseudo-terminal
// whose master a thread fills as fast as it can.

#include <asm/termbits.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "corekit/util/com_port_stream.h"

namespace {

constexpr long Total = 16 << 20;
constexpr long Chunk = 64 << 10;

// A pseudo-terminal pair whose master side a thread writes Total bytes into, in one iteration.
class Line {
public:
  Line() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    grantpt(m_master);
    unlockpt(m_master);
    m_name = ptsname(m_master);
  }
  ~Line() { close(m_master); }
  const std::string& Name() const { return m_name; }

  std::thread Feed() {
    return std::thread([this] {
      std::vector<char> data(Chunk, 'x');
      for (long at = 0; at < Total;) {
        const ssize_t put = write(m_master, data.data(), Chunk);
        if (put <= 0) return;
        at += put;
      }
    });
  }

private:
  int m_master;
  std::string m_name;
};

void ComPortReadCorekit(benchmark::State& state) {
  Line line;
  TComPortStream port;
  if (port.Open(line.Name().c_str(), TComPortSettings{}) != 0) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  std::vector<unsigned char> buffer(Chunk);
  for (auto _ : state) {
    std::thread feeder = line.Feed();
    LONG done = 0;
    for (long at = 0; at < Total; at += done) {
      if (port.Read(buffer.data(), Chunk, &done) < 0) break;
    }
    feeder.join();
  }
  state.SetBytesProcessed(state.iterations() * Total);
}
BENCHMARK(ComPortReadCorekit)
    ->Name("ComPortRead16MiB/corekit")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same descriptor kind, raw as the stream sets it, read with blocking read() calls.
void ComPortReadPeer(benchmark::State& state) {
  Line line;
  const int fd = open(line.Name().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios2 raw{};
  ioctl(fd, TCGETS2, &raw);
  raw.c_iflag = 0;
  raw.c_oflag = 0;
  raw.c_lflag = 0;
  raw.c_cflag |= CREAD | CLOCAL;
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  ioctl(fd, TCSETS2, &raw);
  std::vector<unsigned char> buffer(Chunk);
  for (auto _ : state) {
    std::thread feeder = line.Feed();
    for (long at = 0; at < Total;) {
      const ssize_t got = read(fd, buffer.data(), Chunk);
      if (got <= 0) break;
      at += got;
    }
    feeder.join();
  }
  close(fd);
  state.SetBytesProcessed(state.iterations() * Total);
}
BENCHMARK(ComPortReadPeer)
    ->Name("ComPortRead16MiB/peer")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
