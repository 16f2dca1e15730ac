// The simulated receiver in this process: a thread on the master side of a pseudo-terminal pair.

#include <asm/termbits.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "tests/support/simulated_receiver.h"

namespace corekit_test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Bound = std::chrono::seconds(10);  // of waits that only a broken test makes long
constexpr int TickMs = 5;

class LocalReceiver : public SimulatedReceiver {
public:
  LocalReceiver() : m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    Change([&] { NewPair(); });
    m_thread = std::thread([this] { Run(); });
  }

  ~LocalReceiver() override {
    Change([&] { m_stopping = true; });
    m_thread.join();
    ClosePair();
    close(m_wake);
  }

  std::string PortName() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_name;
  }

  bool Replug() override {
    Change([&] { NewPair(); });
    return !PortName().empty();
  }

  void Speak(std::uint32_t baud, const std::string& frames) override {
    Change([&] {
      m_speakBaud = baud;
      m_frames = frames;
      m_position = 0;
      m_spoken = Clock::now();
    });
  }

  void Send(const std::string& bytes) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    WriteAll(bytes.data(), bytes.size());
  }

  void Silence() override {
    Change([&] { m_speakBaud = 0; });
  }
  void Echo(bool on) override {
    Change([&] { m_echo = on; });
  }
  void Stall(bool on) override {
    Change([&] { m_stalled = on; });
  }
  void Unplug() override {
    Change([&] { ClosePair(); });
  }
  void UnplugAfterReading(std::size_t count) override {
    Change([&] {
      m_unplugAt = m_received.size() + count;
      m_stalled = false;
      if (count == 0) ClosePair();
    });
  }

  std::string Received(std::size_t count) override {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, Bound, [&] { return m_received.size() >= count || m_master < 0; });
    return m_received;
  }

  LineState Line() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    LineState state;
    termios2 line{};
    if (m_master < 0 || ioctl(m_master, TCGETS2, &line) < 0) return state;
    const bool odd = (line.c_cflag & PARODD) != 0, sticky = (line.c_cflag & CMSPAR) != 0;
    state.Baud = line.c_ospeed;
    state.DataBits = 5 + static_cast<int>((line.c_cflag & CSIZE) >> 4);
    if (line.c_cflag & PARENB) state.Parity = sticky ? (odd ? 'M' : 'S') : (odd ? 'O' : 'E');
    state.StopBits = (line.c_cflag & CSTOPB) ? 2 : 1;
    state.RtsCts = (line.c_cflag & CRTSCTS) != 0;
    state.XonXoff = (line.c_iflag & (IXON | IXOFF)) != 0;
    return state;
  }

private:
  // Changes the state under the lock, then wakes the thread and the waits for received bytes.
  template <class Step>
  void Change(Step step) {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      step();
    }
    m_changed.notify_all();
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_wake, &one, sizeof one);
  }

  // A new pair, its line raw at 9600 baud as a UART starts (with the speed's own code, since
  // Wine's ports know no BOTHER). The receiver keeps the slave open too, so that the master never
  // reads a hang-up while the port is closed.
  void NewPair() {
    ClosePair();
    m_name.clear();
    m_received.clear();
    m_speakBaud = 0;
    m_echo = m_stalled = false;
    m_unplugAt = SIZE_MAX;
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const char* name = m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0
                           ? ptsname(m_master)
                           : nullptr;
    m_slave = name ? open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC) : -1;
    termios2 line{};
    line.c_cflag = CS8 | CREAD | CLOCAL | B9600;
    line.c_ispeed = line.c_ospeed = 9600;
    line.c_cc[VMIN] = 1;
    if (m_slave < 0 || ioctl(m_master, TCSETS2, &line) < 0) return ClosePair();
    m_name = name;
  }

  void ClosePair() {
    if (m_master >= 0) close(m_master);
    if (m_slave >= 0) close(m_slave);
    m_master = m_slave = -1;
  }

  // Writes every byte (Send, echo), waiting for room, within the bound: a port that nobody reads
  // must not keep the receiver from being unplugged.
  void WriteAll(const char* data, std::size_t size) {
    for (const auto end = Clock::now() + Bound; size > 0 && m_master >= 0 && Clock::now() < end;) {
      const ssize_t put = write(m_master, data, size);
      if (put < 0 && errno != EAGAIN && errno != EINTR) return;
      if (put > 0) {
        data += put;
        size -= static_cast<std::size_t>(put);
      } else {
        pollfd wait{m_master, POLLOUT, 0};
        poll(&wait, 1, TickMs);
      }
    }
  }

  // What the line carried since the last time: the frames at the right speed, garbage at another.
  void SpeakDue() {
    if (m_speakBaud == 0 || m_master < 0 || m_frames.empty()) return;
    const std::int64_t micro = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() -
                                                                                     m_spoken)
                                   .count(),
                       due = micro * m_speakBaud / 10 / 1000000;
    m_spoken += std::chrono::microseconds(due * 10 * 1000000 / m_speakBaud);
    termios2 line{};
    const bool right = ioctl(m_master, TCGETS2, &line) == 0 && line.c_ospeed == m_speakBaud;
    std::string bytes;
    for (std::int64_t i = 0; i < due; ++i, m_position = (m_position + 1) % m_frames.size()) {
      m_noise = m_noise * 1103515245u + 12345u;
      bytes += right ? m_frames[m_position] : static_cast<char>(m_noise >> 16);
    }
    // A full port loses what does not fit, as a real one overruns.
    [[maybe_unused]] const ssize_t put = write(m_master, bytes.data(), bytes.size());
  }

  void ReadLine() {
    char buffer[4096];
    for (ssize_t got = 1; got > 0 && m_master >= 0;) {
      const std::size_t want = std::min(sizeof buffer, m_unplugAt - m_received.size());
      got = want > 0 ? read(m_master, buffer, want) : 0;
      if (got > 0) m_received.append(buffer, static_cast<std::size_t>(got));
      if (got > 0 && m_echo) WriteAll(buffer, static_cast<std::size_t>(got));
      if (m_received.size() >= m_unplugAt) ClosePair();
    }
    m_changed.notify_all();
  }

  void Run() {
    for (;;) {
      pollfd waits[2] = {{m_wake, POLLIN, 0}, {-1, POLLIN, 0}};
      bool speaking;
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) return;
        if (!m_stalled) waits[1].fd = m_master;
        speaking = m_master >= 0 && m_speakBaud != 0;
      }
      poll(waits, 2, speaking ? TickMs : -1);
      std::uint64_t value = 0;
      [[maybe_unused]] const ssize_t cleared = read(m_wake, &value, sizeof value);
      std::lock_guard<std::mutex> lock(m_mutex);
      if (!m_stalled) ReadLine();
      SpeakDue();
    }
  }

  std::mutex m_mutex;
  std::condition_variable m_changed;
  const int m_wake;
  int m_master = -1, m_slave = -1;
  std::string m_name, m_received, m_frames;
  std::size_t m_position = 0, m_unplugAt = SIZE_MAX;
  std::uint32_t m_speakBaud = 0, m_noise = 0x9E3779B9;
  Clock::time_point m_spoken;
  bool m_echo = false, m_stalled = false, m_stopping = false;
  std::thread m_thread;
};

}  // namespace

std::unique_ptr<SimulatedReceiver> MakeLocalReceiver() {
  auto receiver = std::make_unique<LocalReceiver>();
  if (receiver->PortName().empty()) return nullptr;
  return receiver;
}

}  // namespace corekit_test
