#pragma once

namespace corekit::platform {

// Lets a thread sleep until the system's serial ports may have changed. POSIX: libudev's monitor
// of the tty subsystem, with the udev daemon's events where one runs (they come once the device's
// links and database entry are made), else the kernel's own (which a process in a container may
// never get: then it does not count as listening). Windows: the configuration manager's
// arrival and removal notifications of the COM port and modem interfaces (Windows 8 and later),
// and changes of the registry's device map. Where the system tells nothing, a wait ends only by
// its time or by Wake.
class SerialPortEvents {
public:
  SerialPortEvents();
  ~SerialPortEvents();
  SerialPortEvents(const SerialPortEvents&) = delete;
  SerialPortEvents& operator=(const SerialPortEvents&) = delete;

  // True when the system tells of changes, so that a watcher need not look at set times.
  bool Listening() const;
  // Returns once the ports may have changed, Wake is or was called since the last wait, or
  // timeoutMs milliseconds have passed (a negative time: no limit). It may return early.
  void Wait(int timeoutMs);
  // Ends the current or the next Wait; any thread may call it.
  void Wake();

private:
  struct System;
  System* m_system;
};

}  // namespace corekit::platform
