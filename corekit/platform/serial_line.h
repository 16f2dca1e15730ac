#pragma once

#include <mutex>

#include "corekit/platform/types.h"

namespace corekit::platform {

// Line settings in plain numbers: parity 0 none, 1 odd, 2 even, 3 mark, 4 space; stop bits 0 one,
// 1 one and a half, 2 two; flow 0 none, 1 RTS/CTS, 2 XON/XOFF (the numbering of the DCB).
struct SerialLineSettings {
  DWORD baud = 0;
  BYTE dataBits = 8;
  BYTE parity = 0;
  BYTE stopBits = 0;
  BYTE flow = 0;
};

// Whether a driver that reports got took the settings asked: all alike, the speed within 3% (a UART
// rounds it to a divisor of its clock). Drivers that cannot do a setting may keep another without
// failing (a pseudo-terminal keeps 8 data bits without parity), so Apply compares.
bool TakenAsAsked(const SerialLineSettings& asked, const SerialLineSettings& got);

// When a read ends besides having its bytes: totalMs after it began, gapMs after a byte without the
// next one (0: no such limit), or at once with what is there.
struct SerialReadLimits {
  DWORD totalMs = 0;
  DWORD gapMs = 0;
  bool whatIsThere = false;
};

// One open serial port. POSIX: a terminal descriptor opened without becoming the controlling
// terminal, held exclusively by TIOCEXCL and flock, in raw mode, waited on with epoll beside an
// eventfd for Cancel. Windows: an overlapped handle of CreateFileA with no sharing, and an event
// for Cancel. Each call reports the system's code on failure; a device gone after the open is
// always ENODEV / ERROR_DEVICE_NOT_CONNECTED, whatever the system said, and a cancelled call
// ECANCELED / ERROR_OPERATION_ABORTED.
class SerialLine {
public:
  // Opens the port exclusively ("/dev/ttyS0"; "COM12" opens "\\.\COM12"); null with the error on
  // failure, where another holder of the port gives EBUSY / ERROR_BUSY.
  static SerialLine* Open(const char* name, DWORD& error);
  ~SerialLine();
  SerialLine(const SerialLine&) = delete;
  SerialLine& operator=(const SerialLine&) = delete;

  // Sets the line as given; a setting the driver refuses or changes gives EINVAL /
  // ERROR_INVALID_PARAMETER and leaves the line as it was.
  bool Apply(const SerialLineSettings& settings, DWORD& error);
  // The line as the driver reports it.
  bool Query(SerialLineSettings& settings, DWORD& error);

  // Reads up to count bytes within the limits; true with done < count when a limit ended it.
  bool Read(void* data, DWORD count, const SerialReadLimits& limits, DWORD& done, DWORD& error);
  // Writes count bytes within totalMs (0: no limit); true with done < count when the time ended it.
  bool Write(const void* data, DWORD count, DWORD totalMs, DWORD& done, DWORD& error);

  bool Drain(DWORD& error);                            // tcdrain, FlushFileBuffers
  bool Purge(bool input, bool output, DWORD& error);   // tcflush, PurgeComm
  bool Break(DWORD ms, DWORD& error);                  // break on, ms, off
  bool SetModemLine(bool dtr, bool on, DWORD& error);  // DTR (dtr) or RTS
  // The modem status lines with the Windows MS_*_ON bits; EOPNOTSUPP / ERROR_NOT_SUPPORTED when
  // the port has none, as for SetModemLine.
  bool ModemLines(DWORD& lines, DWORD& error);
  bool BytesWaiting(DWORD& count, DWORD& error);  // FIONREAD, ClearCommError

  // Ends the reads and writes in progress, or the next one when none is; any thread may call it.
  void Cancel();

  // The system's part: descriptors or handles, defined by each implementation.
  struct System;

private:
  explicit SerialLine(System* system);

  // Brackets a read or write: Started is false when a cancel was waiting for it. Its end clears
  // the cancel once no call is left in progress.
  class Call {
  public:
    explicit Call(SerialLine& line);
    ~Call();
    bool Started() const { return m_started; }

  private:
    SerialLine& m_line;
    bool m_started;
  };
  void RaiseCancel();  // the system's signal on
  void ClearCancel();  // and off

  System* m_system;
  std::mutex m_mutex;
  int m_active = 0;
  bool m_cancelled = false;
};

}  // namespace corekit::platform
