// The simulated receiver in this process: a thread on the master side of a pseudo-terminal pair.

#include <asm/termbits.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "tests/support/simulated_receiver.h"

namespace corekit_test {
namespace {

constexpr auto ReceivedBound = std::chrono::seconds(10);
constexpr int TickMs = 5;

std::int64_t NowUs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1000000 + now.tv_nsec / 1000;
}

class LocalReceiver : public SimulatedReceiver {
public:
  LocalReceiver() : m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    std::lock_guard<std::mutex> lock(m_mutex);
    NewPair();
    m_thread = std::thread([this] { Run(); });
  }

  ~LocalReceiver() override {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_stopping = true;
      ClosePair();
    }
    Wake();
    m_thread.join();
    close(m_wake);
  }

  bool Made() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_master >= 0;
  }

  std::string PortName() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_name;
  }

  bool Replug() override {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      ClosePair();
      NewPair();
    }
    Wake();
    return Made();
  }

  void Speak(std::uint32_t baud, const std::string& frames) override {
    Change([&] {
      m_speakBaud = baud;
      m_frames = frames;
      m_position = 0;
      m_spokenUntilUs = NowUs();
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

  std::string Received(std::size_t count) override {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, ReceivedBound,
                       [&] { return m_received.size() >= count || m_master < 0; });
    return m_received;
  }

  LineState Line() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    LineState state;
    termios2 line{};
    if (m_master < 0 || ioctl(m_master, TCGETS2, &line) < 0) return state;
    state.Baud = line.c_ospeed;
    static const int sizes[] = {5, 6, 7, 8};
    state.DataBits = sizes[(line.c_cflag & CSIZE) >> 4];
    if (line.c_cflag & PARENB) {
      const bool odd = (line.c_cflag & PARODD) != 0;
      state.Parity = (line.c_cflag & CMSPAR) ? (odd ? 'M' : 'S') : (odd ? 'O' : 'E');
    }
    state.StopBits = (line.c_cflag & CSTOPB) ? 2 : 1;
    state.RtsCts = (line.c_cflag & CRTSCTS) != 0;
    state.XonXoff = (line.c_iflag & (IXON | IXOFF)) != 0;
    return state;
  }

  void Unplug() override {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      ClosePair();
    }
    m_changed.notify_all();
    Wake();
  }

  void UnplugAfterReading(std::size_t count) override {
    Change([&] {
      m_unplugAt = m_received.size() + count;
      m_stalled = false;
    });
    if (count == 0) Unplug();
  }

private:
  template <class Step>
  void Change(Step step) {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      step();
    }
    Wake();
  }

  void Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_wake, &one, sizeof one);
  }

  // A new pair, its line raw at 9600 baud as a UART starts; the receiver keeps the slave open
  // too, so that the master never reads a hang-up while the port is closed.
  void NewPair() {
    m_received.clear();
    m_speakBaud = 0;
    m_echo = m_stalled = false;
    m_unplugAt = SIZE_MAX;
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) return;
    const char* name = grantpt(m_master) == 0 && unlockpt(m_master) == 0 ? ptsname(m_master) : nullptr;
    m_slave = name ? open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC) : -1;
    termios2 line{};
    if (m_slave < 0 || ioctl(m_master, TCGETS2, &line) < 0) {
      ClosePair();
      return;
    }
    m_name = name;
    line.c_iflag = 0;
    line.c_oflag = 0;
    line.c_lflag = 0;
    // A standard speed's own code, which Wine's ports read (they know no BOTHER).
    line.c_cflag = CS8 | CREAD | CLOCAL | B9600;
    line.c_ispeed = line.c_ospeed = 9600;
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    ioctl(m_master, TCSETS2, &line);
  }

  void ClosePair() {
    if (m_master >= 0) close(m_master);
    if (m_slave >= 0) close(m_slave);
    m_master = m_slave = -1;
  }

  // Writes every byte (Send, echo), waiting for room, but not for ever: a port that nobody reads
  // must not keep the receiver from being unplugged. False when not all went.
  bool WriteAll(const char* data, std::size_t size) {
    const std::int64_t end = NowUs() + std::int64_t{10} * 1000000;
    while (size > 0 && m_master >= 0 && NowUs() < end) {
      const ssize_t put = write(m_master, data, size);
      if (put > 0) {
        data += put;
        size -= static_cast<std::size_t>(put);
        continue;
      }
      if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
      pollfd wait{m_master, POLLOUT, 0};
      poll(&wait, 1, TickMs);
    }
    return size == 0;
  }

  // What the line carries since the last tick: the frames at the right speed, garbage at another.
  void SpeakDue() {
    if (m_speakBaud == 0 || m_master < 0 || m_frames.empty()) return;
    const std::int64_t now = NowUs();
    const std::int64_t due = (now - m_spokenUntilUs) * m_speakBaud / 10 / 1000000;
    if (due <= 0) return;
    m_spokenUntilUs += due * 10 * 1000000 / m_speakBaud;
    termios2 line{};
    const bool right = ioctl(m_master, TCGETS2, &line) == 0 && line.c_ospeed == m_speakBaud;
    std::string bytes;
    for (std::int64_t i = 0; i < due; ++i) {
      if (right) {
        bytes += m_frames[m_position];
        m_position = (m_position + 1) % m_frames.size();
      } else {
        m_noise ^= m_noise << 13;
        m_noise ^= m_noise >> 17;
        m_noise ^= m_noise << 5;
        bytes += static_cast<char>(m_noise);
      }
    }
    // A full port loses what does not fit, as a real one overruns.
    [[maybe_unused]] const ssize_t put = write(m_master, bytes.data(), bytes.size());
  }

  void ReadLine() {
    char buffer[4096];
    for (;;) {
      std::size_t want = sizeof buffer;
      if (m_unplugAt != SIZE_MAX) want = std::min(want, m_unplugAt - m_received.size());
      const ssize_t got = want > 0 ? read(m_master, buffer, want) : 0;
      if (got <= 0) break;
      m_received.append(buffer, static_cast<std::size_t>(got));
      if (m_echo) WriteAll(buffer, static_cast<std::size_t>(got));
    }
    if (m_received.size() >= m_unplugAt) ClosePair();
    m_changed.notify_all();
  }

  void Run() {
    for (;;) {
      int master;
      bool reading, speaking;
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) return;
        master = m_master;
        reading = master >= 0 && !m_stalled;
        speaking = master >= 0 && m_speakBaud != 0;
      }
      pollfd waits[2] = {{m_wake, POLLIN, 0}, {reading ? master : -1, POLLIN, 0}};
      poll(waits, 2, speaking ? TickMs : -1);
      std::uint64_t value = 0;
      [[maybe_unused]] const ssize_t cleared = read(m_wake, &value, sizeof value);
      std::lock_guard<std::mutex> lock(m_mutex);
      if (m_master >= 0 && !m_stalled) ReadLine();
      SpeakDue();
    }
  }

  std::mutex m_mutex;
  std::condition_variable m_changed;
  const int m_wake;
  int m_master = -1, m_slave = -1;
  std::string m_name;
  std::string m_received;
  std::string m_frames;
  std::size_t m_position = 0;
  std::uint32_t m_speakBaud = 0;
  std::int64_t m_spokenUntilUs = 0;
  std::uint32_t m_noise = 0x9E3779B9;
  bool m_echo = false, m_stalled = false, m_stopping = false;
  std::size_t m_unplugAt = SIZE_MAX;
  std::thread m_thread;
};

}  // namespace

std::unique_ptr<SimulatedReceiver> MakeLocalReceiver() {
  auto receiver = std::make_unique<LocalReceiver>();
  if (!receiver->Made()) return nullptr;
  return receiver;
}

}  // namespace corekit_test
