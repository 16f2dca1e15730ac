#include "corekit/platform/serial_line.h"

// The kernel's termios2 gives any speed (BOTHER); glibc's <termios.h> declares a struct of the same
// name, so only the kernel's header is used and the calls are its ioctls.
#include <asm/termbits.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

namespace corekit::platform {

struct SerialLine::System {
  int fd = -1;
  int wake = -1;     // eventfd: readable while a cancel is raised
  int reading = -1;  // epoll of the port's input and the wake
  int writing = -1;  // epoll of the port's room for output and the wake
};

namespace {

// A device gone after the open answers EIO (a hung-up terminal), ENXIO or ENODEV.
DWORD Normalised(int error) {
  return error == EIO || error == ENXIO || error == ENODEV ? ENODEV : static_cast<DWORD>(error);
}

bool Fail(DWORD& error, int code) {
  error = Normalised(code);
  return false;
}

bool Done(int result, DWORD& error) {
  if (result < 0) return Fail(error, errno);
  error = 0;
  return true;
}

// Milliseconds of the monotonic clock.
std::int64_t NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

// Whole milliseconds left until the deadline, at least 0; -1 for none.
int Left(std::int64_t deadline) {
  if (deadline < 0) return -1;
  const std::int64_t left = deadline - NowMs();
  return left <= 0 ? 0 : left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(left);
}

// The sooner of two deadlines, -1 being none.
std::int64_t Sooner(std::int64_t a, std::int64_t b) {
  return a < 0 ? b : b < 0 ? a : a < b ? a : b;
}

enum class Waited { Ready, Time, Cancelled, Failed };

// Waits until the port is ready (the epoll set's first descriptor), the deadline passes or a
// cancel is raised (its second). A hang-up counts as ready: the next read or write finds out.
Waited WaitFor(int epoll, std::int64_t deadline, int& error) {
  for (;;) {
    epoll_event events[2];
    const int ready = epoll_wait(epoll, events, 2, Left(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) {
      error = errno;
      return Waited::Failed;
    }
    for (int i = 0; i < ready; ++i) {
      if (events[i].data.u32 == 1) return Waited::Cancelled;
    }
    if (ready > 0) return Waited::Ready;
    if (deadline >= 0 && Left(deadline) == 0) return Waited::Time;
  }
}

// An epoll set of the port for these events (data 0) and of the wake (data 1).
int WaitSet(int fd, std::uint32_t events, int wake) {
  const int epoll = epoll_create1(EPOLL_CLOEXEC);
  epoll_event port{events, {}}, cancel{EPOLLIN, {}};
  port.data.u32 = 0;
  cancel.data.u32 = 1;
  if (epoll >= 0 && (epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &port) < 0 ||
                     epoll_ctl(epoll, EPOLL_CTL_ADD, wake, &cancel) < 0)) {
    close(epoll);
    return -1;
  }
  return epoll;
}

void SetRaw(termios2& line) {
  line.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
  line.c_oflag &= ~OPOST;
  line.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  line.c_cflag |= CREAD | CLOCAL;
  line.c_cc[VMIN] = 1;
  line.c_cc[VTIME] = 0;
}

const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};

void Encode(const SerialLineSettings& settings, termios2& line) {
  line.c_cflag &=
      ~(CBAUD | (CBAUD << IBSHIFT) | CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
  line.c_cflag |= BOTHER | kSizes[(settings.dataBits - 5) & 3];
  line.c_ispeed = line.c_ospeed = settings.baud;
  if (settings.stopBits != 0) line.c_cflag |= CSTOPB;  // with 5 data bits: one and a half
  static const tcflag_t parities[] = {0, PARENB | PARODD, PARENB, PARENB | PARODD | CMSPAR,
                                      PARENB | CMSPAR};
  line.c_cflag |= parities[settings.parity % 5];
  line.c_iflag &= ~(IXON | IXOFF | INPCK);
  if (settings.parity != 0) line.c_iflag |= INPCK;
  if (settings.flow == 1) line.c_cflag |= CRTSCTS;
  if (settings.flow == 2) line.c_iflag |= IXON | IXOFF;
}

SerialLineSettings Decode(const termios2& line) {
  SerialLineSettings settings;
  settings.baud = line.c_ospeed;
  switch (line.c_cflag & CSIZE) {
    case CS5:
      settings.dataBits = 5;
      break;
    case CS6:
      settings.dataBits = 6;
      break;
    case CS7:
      settings.dataBits = 7;
      break;
    default:
      settings.dataBits = 8;
      break;
  }
  if (line.c_cflag & PARENB) {
    const bool odd = (line.c_cflag & PARODD) != 0;
    settings.parity = (line.c_cflag & CMSPAR) ? (odd ? 3 : 4) : (odd ? 1 : 2);
  }
  if (line.c_cflag & CSTOPB) settings.stopBits = settings.dataBits == 5 ? 1 : 2;
  settings.flow = (line.c_cflag & CRTSCTS) ? 1 : (line.c_iflag & (IXON | IXOFF)) ? 2 : 0;
  return settings;
}

}  // namespace

SerialLine::SerialLine(System* system) : m_system(system) {}

SerialLine* SerialLine::Open(const char* name, DWORD& error) {
  const int fd = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = static_cast<DWORD>(errno);
    return nullptr;
  }
  // TIOCEXCL keeps other processes out, except privileged ones; the lock is seen by all that
  // lock too, privileged or not, and by this process's other opens.
  termios2 line{};
  int code = 0;
  bool exclusive = false;
  if (ioctl(fd, TCGETS2, &line) < 0) {
    code = errno;
  } else if (flock(fd, LOCK_EX | LOCK_NB) < 0) {
    code = errno == EWOULDBLOCK ? EBUSY : errno;
  } else if (ioctl(fd, TIOCEXCL) < 0) {
    code = errno;
  } else {
    exclusive = true;
    SetRaw(line);
    if (ioctl(fd, TCSETS2, &line) < 0) code = errno;
  }
  const int wake = code == 0 ? eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK) : -1;
  const int reading = wake >= 0 ? WaitSet(fd, EPOLLIN, wake) : -1;
  const int writing = reading >= 0 ? WaitSet(fd, EPOLLOUT, wake) : -1;
  if (code == 0 && writing < 0) code = errno;
  if (code != 0) {
    // The terminal outlives this descriptor: its exclusive mode would keep every later open out.
    if (exclusive) ioctl(fd, TIOCNXCL);
    for (int made : {reading, wake, fd}) {
      if (made >= 0) close(made);
    }
    error = static_cast<DWORD>(code);
    return nullptr;
  }
  error = 0;
  return new SerialLine(new System{fd, wake, reading, writing});
}

SerialLine::~SerialLine() {
  ioctl(m_system->fd, TIOCNXCL);
  close(m_system->fd);  // also releases the lock
  close(m_system->wake);
  close(m_system->reading);
  close(m_system->writing);
  delete m_system;
}

bool SerialLine::Apply(const SerialLineSettings& settings, DWORD& error) {
  termios2 old{};
  if (ioctl(m_system->fd, TCGETS2, &old) < 0) return Fail(error, errno);
  termios2 line = old;
  Encode(settings, line);
  if (ioctl(m_system->fd, TCSETS2, &line) < 0) {
    const int code = errno;
    return Fail(error, code == ENOTTY ? EINVAL : code);
  }
  // A driver may take a setting it cannot do and keep another: what it reports counts.
  termios2 now{};
  if (ioctl(m_system->fd, TCGETS2, &now) < 0) return Fail(error, errno);
  if (!TakenAsAsked(settings, Decode(now))) {
    ioctl(m_system->fd, TCSETS2, &old);
    return Fail(error, EINVAL);
  }
  error = 0;
  return true;
}

bool SerialLine::Query(SerialLineSettings& settings, DWORD& error) {
  termios2 line{};
  if (ioctl(m_system->fd, TCGETS2, &line) < 0) return Fail(error, errno);
  settings = Decode(line);
  error = 0;
  return true;
}

bool SerialLine::Read(void* data, DWORD count, const SerialReadLimits& limits, DWORD& done,
                      DWORD& error) {
  done = 0;
  error = 0;
  Call call(*this);
  if (!call.Started()) return Fail(error, ECANCELED);
  const std::int64_t end = limits.totalMs != 0 ? NowMs() + limits.totalMs : -1;
  std::int64_t gapEnd = -1;
  bool drained = false;  // the last read took all there was: wait before the next
  while (done < count) {
    if (!drained) {
      const DWORD asked = count - done;
      const ssize_t got = read(m_system->fd, static_cast<char*>(data) + done, asked);
      if (got > 0) {
        done += static_cast<DWORD>(got);
        if (limits.gapMs != 0) gapEnd = NowMs() + limits.gapMs;
        drained = static_cast<DWORD>(got) < asked;
        // Bytes that keep coming do not stretch the read past its total time.
        if (end >= 0 && NowMs() >= end) break;
        continue;
      }
      // In raw mode with VMIN 1 a terminal answers 0 only once it has hung up.
      if (got == 0) return Fail(error, ENODEV);
      if (errno == EINTR) continue;
      if (errno != EAGAIN) return Fail(error, errno);
    }
    drained = false;
    if (limits.whatIsThere) break;
    int code = 0;
    const Waited waited = WaitFor(m_system->reading, Sooner(end, gapEnd), code);
    if (waited == Waited::Time) break;
    if (waited == Waited::Cancelled) return Fail(error, ECANCELED);
    if (waited == Waited::Failed) return Fail(error, code);
  }
  return true;
}

bool SerialLine::Write(const void* data, DWORD count, DWORD totalMs, DWORD& done, DWORD& error) {
  done = 0;
  error = 0;
  Call call(*this);
  if (!call.Started()) return Fail(error, ECANCELED);
  const std::int64_t end = totalMs != 0 ? NowMs() + totalMs : -1;
  while (done < count) {
    const ssize_t put = write(m_system->fd, static_cast<const char*>(data) + done, count - done);
    if (put > 0) {
      done += static_cast<DWORD>(put);
      continue;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno != EAGAIN) return Fail(error, errno);
    int code = 0;
    const Waited waited = WaitFor(m_system->writing, end, code);
    if (waited == Waited::Time) break;
    if (waited == Waited::Cancelled) return Fail(error, ECANCELED);
    if (waited == Waited::Failed) return Fail(error, code);
  }
  return true;
}

// TCSBRK with a non-zero argument is tcdrain.
bool SerialLine::Drain(DWORD& error) { return Done(ioctl(m_system->fd, TCSBRK, 1), error); }

bool SerialLine::Purge(bool input, bool output, DWORD& error) {
  const int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
  return Done(ioctl(m_system->fd, TCFLSH, which), error);
}

bool SerialLine::Break(DWORD ms, DWORD& error) {
  if (ioctl(m_system->fd, TIOCSBRK) < 0) return Fail(error, errno);
  timespec hold{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000};
  while (nanosleep(&hold, &hold) < 0 && errno == EINTR) {
  }
  return Done(ioctl(m_system->fd, TIOCCBRK), error);
}

namespace {

// A terminal without modem lines (a pseudo-terminal) refuses their ioctls with ENOTTY or EINVAL.
bool ModemFail(DWORD& error, int code) {
  return Fail(error, code == ENOTTY || code == EINVAL ? EOPNOTSUPP : code);
}

}  // namespace

bool SerialLine::SetModemLine(bool dtr, bool on, DWORD& error) {
  const int bit = dtr ? TIOCM_DTR : TIOCM_RTS;
  if (ioctl(m_system->fd, on ? TIOCMBIS : TIOCMBIC, &bit) < 0) return ModemFail(error, errno);
  error = 0;
  return true;
}

bool SerialLine::ModemLines(DWORD& lines, DWORD& error) {
  int bits = 0;
  lines = 0;
  if (ioctl(m_system->fd, TIOCMGET, &bits) < 0) return ModemFail(error, errno);
  if (bits & TIOCM_CTS) lines |= 0x10;
  if (bits & TIOCM_DSR) lines |= 0x20;
  if (bits & TIOCM_RI) lines |= 0x40;
  if (bits & TIOCM_CD) lines |= 0x80;
  error = 0;
  return true;
}

bool SerialLine::BytesWaiting(DWORD& count, DWORD& error) {
  int waiting = 0;
  count = 0;
  if (ioctl(m_system->fd, FIONREAD, &waiting) < 0) return Fail(error, errno);
  count = static_cast<DWORD>(waiting);
  error = 0;
  return true;
}

void SerialLine::RaiseCancel() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(m_system->wake, &one, sizeof one);
}

void SerialLine::ClearCancel() {
  std::uint64_t value = 0;
  [[maybe_unused]] const ssize_t read = ::read(m_system->wake, &value, sizeof value);
}

}  // namespace corekit::platform
