#include "corekit/platform/serial_port_events.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace corekit::platform {

struct SerialPortEvents::System {
  int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  udev* context = udev_new();
  udev_monitor* monitor = nullptr;
  bool daemon = false;  // the udev daemon's events, not the kernel's
};

SerialPortEvents::SerialPortEvents() : m_system(new System) {
  System& system = *m_system;
  if (system.context == nullptr) return;
  // Without the daemon its events never come; the kernel's do.
  system.daemon = access("/run/udev/control", F_OK) == 0;
  system.monitor = udev_monitor_new_from_netlink(system.context, system.daemon ? "udev" : "kernel");
  if (system.monitor != nullptr &&
      (udev_monitor_filter_add_match_subsystem_devtype(system.monitor, "tty", nullptr) < 0 ||
       udev_monitor_enable_receiving(system.monitor) < 0))
    system.monitor = udev_monitor_unref(system.monitor);
}

SerialPortEvents::~SerialPortEvents() {
  if (m_system->monitor != nullptr) udev_monitor_unref(m_system->monitor);
  if (m_system->context != nullptr) udev_unref(m_system->context);
  if (m_system->wake >= 0) close(m_system->wake);
  delete m_system;
}

// The kernel's events do not reach a process in a user namespace of its own (a container), so
// without the daemon a watcher still looks at set times; a wait then also ends at an event.
bool SerialPortEvents::Listening() const {
  return m_system->daemon && m_system->monitor != nullptr && m_system->wake >= 0;
}

void SerialPortEvents::Wait(int timeoutMs) {
  System& system = *m_system;
  // poll leaves out an entry whose descriptor is negative.
  pollfd waits[2] = {
      {system.wake, POLLIN, 0},
      {system.monitor != nullptr ? udev_monitor_get_fd(system.monitor) : -1, POLLIN, 0}};
  if (poll(waits, 2, timeoutMs < 0 ? -1 : timeoutMs) <= 0) return;
  if (waits[0].revents != 0) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(system.wake, &count, sizeof count);
  }
  // Several events may wait (one device, several ports): one look answers them all.
  if (waits[1].revents != 0) {
    while (udev_device* device = udev_monitor_receive_device(system.monitor))
      udev_device_unref(device);
  }
}

void SerialPortEvents::Wake() {
  if (m_system->wake < 0) return;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(m_system->wake, &one, sizeof one);
}

}  // namespace corekit::platform
