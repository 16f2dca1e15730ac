#include "corekit/platform/serial_line.h"

#include <string>

namespace corekit::platform {

struct SerialLine::System {
  HANDLE handle = INVALID_HANDLE_VALUE;
  HANDLE io = nullptr;      // manual-reset event of the overlapped calls
  HANDLE cancel = nullptr;  // manual-reset event: set while a cancel is raised
  HANDLE claim = nullptr;   // the named object that marks the port as held
  COMMTIMEOUTS timeouts{};  // as last given to the driver
  bool timeoutsSet = false;
};

namespace {

// A device removed after the open answers one of these, depending on its driver; Wine answers a
// read of a pseudo-terminal whose other side closed with a broken pipe.
bool GoneCode(DWORD code) {
  return code == ERROR_DEVICE_NOT_CONNECTED || code == ERROR_BAD_COMMAND ||
         code == ERROR_BROKEN_PIPE || code == ERROR_ACCESS_DENIED || code == ERROR_GEN_FAILURE ||
         code == ERROR_INVALID_HANDLE || code == ERROR_DEVICE_REMOVED || code == ERROR_NOT_READY;
}

bool Fail(DWORD& error, DWORD code) {
  error = GoneCode(code) ? ERROR_DEVICE_NOT_CONNECTED : code;
  return false;
}

bool Done(BOOL result, DWORD& error) {
  if (!result) return Fail(error, GetLastError());
  error = 0;
  return true;
}

// Ports beyond COM9 open only through the device namespace; any name may take it.
std::string DevicePath(const char* name) {
  const std::string text = name;
  return text.rfind("\\\\", 0) == 0 ? text : "\\\\.\\" + text;
}

// Wine opens a port again despite a share mode of 0, so each open also makes a named object of
// the port's own: a second holder in any process finds it there. Windows' sharing rule refuses the
// second open before it comes to this.
HANDLE ClaimPort(const std::string& path, DWORD& error) {
  std::string name = "Local\\corekit.port.";
  // Port names are case-blind; a backslash may not stand in an object's name.
  for (char c : path)
    name += c == '\\' ? '/' : c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  const HANDLE claim = CreateMutexA(nullptr, FALSE, name.c_str());
  error = GetLastError();
  if (claim && error == ERROR_ALREADY_EXISTS) {
    CloseHandle(claim);
    error = ERROR_BUSY;
    return nullptr;
  }
  return claim;
}

}  // namespace

SerialLine::SerialLine(System* system) : m_system(system) {}

SerialLine* SerialLine::Open(const char* name, DWORD& error) {
  const std::string path = DevicePath(name);
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    // A port held by another handle answers access denied, or a sharing violation.
    error = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ? ERROR_BUSY : code;
    return nullptr;
  }
  const HANDLE claim = ClaimPort(path, error);
  const HANDLE io = claim ? CreateEventA(nullptr, TRUE, FALSE, nullptr) : nullptr;
  const HANDLE cancel = io ? CreateEventA(nullptr, TRUE, FALSE, nullptr) : nullptr;
  if (!cancel) {
    if (claim) error = GetLastError();  // an event could not be made
    if (io) CloseHandle(io);
    if (claim) CloseHandle(claim);
    CloseHandle(handle);
    return nullptr;
  }
  error = 0;
  return new SerialLine(new System{handle, io, cancel, claim});
}

SerialLine::~SerialLine() {
  CloseHandle(m_system->handle);
  CloseHandle(m_system->io);
  CloseHandle(m_system->cancel);
  CloseHandle(m_system->claim);
  delete m_system;
}

bool SerialLine::Apply(const SerialLineSettings& settings, DWORD& error) {
  // Wine cannot describe a line at a speed it has no code for (one set by a POSIX program): the
  // new settings then start from an empty record, and there is nothing to restore.
  DCB old{};
  old.DCBlength = sizeof old;
  const bool known = GetCommState(m_system->handle, &old);
  DCB dcb = old;
  dcb.BaudRate = settings.baud;
  dcb.ByteSize = settings.dataBits;
  dcb.Parity = settings.parity;
  dcb.StopBits = settings.stopBits;
  dcb.fBinary = TRUE;
  dcb.fParity = settings.parity != 0;
  dcb.fOutxCtsFlow = settings.flow == 1;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fRtsControl = settings.flow == 1 ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fOutX = dcb.fInX = settings.flow == 2;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = 2048;
  dcb.XoffLim = 512;
  dcb.fErrorChar = dcb.fNull = dcb.fAbortOnError = FALSE;
  if (!SetCommState(m_system->handle, &dcb)) {
    DWORD code = GetLastError();
    if (known) SetCommState(m_system->handle, &old);
    // Some drivers refuse a rate with a general failure: a device that still answers is there.
    DWORD errors = 0;
    if (GoneCode(code) && ClearCommError(m_system->handle, &errors, nullptr))
      code = ERROR_INVALID_PARAMETER;
    return Fail(error, code);
  }
  // Wine's ports report the line as the system keeps it, which need not be what was asked.
  SerialLineSettings got;
  if (!Query(got, error)) return false;
  if (!TakenAsAsked(settings, got)) {
    if (known) SetCommState(m_system->handle, &old);
    return Fail(error, ERROR_INVALID_PARAMETER);
  }
  return true;
}

bool SerialLine::Query(SerialLineSettings& settings, DWORD& error) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(m_system->handle, &dcb)) return Fail(error, GetLastError());
  settings.baud = dcb.BaudRate;
  settings.dataBits = dcb.ByteSize;
  settings.parity = dcb.fParity || dcb.Parity != 0 ? dcb.Parity : 0;
  settings.stopBits = dcb.StopBits;
  settings.flow = dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE ? 1
                  : dcb.fOutX || dcb.fInX                                      ? 2
                                                                               : 0;
  error = 0;
  return true;
}

namespace {

// The driver's timeouts for a read within the limits: an interval of MAXDWORD with no total returns
// at once; a gap is the interval between bytes, which Windows starts with the first byte, as the
// limit does.
COMMTIMEOUTS ReadTimeouts(const SerialReadLimits& limits, DWORD writeTotalMs) {
  COMMTIMEOUTS timeouts{};
  if (limits.whatIsThere) {
    timeouts.ReadIntervalTimeout = MAXDWORD;
  } else {
    // MAXDWORD as the interval would mean "at once" beside a total: the longest other gap.
    timeouts.ReadIntervalTimeout = limits.gapMs == MAXDWORD ? MAXDWORD - 1 : limits.gapMs;
    timeouts.ReadTotalTimeoutConstant = limits.totalMs;
  }
  timeouts.WriteTotalTimeoutConstant = writeTotalMs;
  return timeouts;
}

bool SameTimeouts(const COMMTIMEOUTS& a, const COMMTIMEOUTS& b) {
  return a.ReadIntervalTimeout == b.ReadIntervalTimeout &&
         a.ReadTotalTimeoutConstant == b.ReadTotalTimeoutConstant &&
         a.WriteTotalTimeoutConstant == b.WriteTotalTimeoutConstant;
}

// Gives the driver the timeouts unless it has them already.
bool UseTimeouts(SerialLine::System& system, const COMMTIMEOUTS& timeouts, DWORD& error);

// Runs one overlapped ReadFile or WriteFile to its end, or cancels it when the cancel event is
// set. An abort that no cancel of ours caused is the device going away.
bool Overlapped(SerialLine::System& system, bool reading, void* data, DWORD count, DWORD& done,
                DWORD& error);

}  // namespace

bool SerialLine::Read(void* data, DWORD count, const SerialReadLimits& limits, DWORD& done,
                      DWORD& error) {
  done = 0;
  Call call(*this);
  if (!call.Started()) return Fail(error, ERROR_OPERATION_ABORTED);
  COMMTIMEOUTS timeouts = ReadTimeouts(limits, m_system->timeouts.WriteTotalTimeoutConstant);
  if (!UseTimeouts(*m_system, timeouts, error)) return false;
  // Wine's read that should return at once waits while nothing has come, so such a read asks for
  // no more than there is.
  DWORD waiting = 0;
  if (limits.whatIsThere && !BytesWaiting(waiting, error)) return false;
  if (limits.whatIsThere && waiting < count) count = waiting;
  // A count of 0 asks nothing of the driver.
  return count == 0 || Overlapped(*m_system, true, data, count, done, error);
}

bool SerialLine::Write(const void* data, DWORD count, DWORD totalMs, DWORD& done, DWORD& error) {
  done = 0;
  Call call(*this);
  if (!call.Started()) return Fail(error, ERROR_OPERATION_ABORTED);
  COMMTIMEOUTS timeouts = m_system->timeouts;
  timeouts.WriteTotalTimeoutConstant = totalMs;
  if (!UseTimeouts(*m_system, timeouts, error)) return false;
  return count == 0 || Overlapped(*m_system, false, const_cast<void*>(data), count, done, error);
}

namespace {

bool UseTimeouts(SerialLine::System& system, const COMMTIMEOUTS& timeouts, DWORD& error) {
  if (system.timeoutsSet && SameTimeouts(system.timeouts, timeouts)) return true;
  COMMTIMEOUTS copy = timeouts;
  if (!SetCommTimeouts(system.handle, &copy)) return Fail(error, GetLastError());
  system.timeouts = timeouts;
  system.timeoutsSet = true;
  return true;
}

bool Overlapped(SerialLine::System& system, bool reading, void* data, DWORD count, DWORD& done,
                DWORD& error) {
  OVERLAPPED overlapped{};
  overlapped.hEvent = system.io;
  ResetEvent(system.io);
  const BOOL finished = reading ? ReadFile(system.handle, data, count, nullptr, &overlapped)
                                : WriteFile(system.handle, data, count, nullptr, &overlapped);
  bool cancelled = false;
  if (!finished) {
    const DWORD code = GetLastError();
    if (code != ERROR_IO_PENDING) return Fail(error, code);
    const HANDLE events[2] = {system.io, system.cancel};
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      cancelled = true;
      CancelIoEx(system.handle, &overlapped);
    }
  }
  if (!GetOverlappedResult(system.handle, &overlapped, &done, TRUE)) {
    const DWORD code = GetLastError();
    if (code == ERROR_OPERATION_ABORTED && !cancelled)
      return Fail(error, ERROR_DEVICE_NOT_CONNECTED);
    // Windows ends a timed-out call with success and fewer bytes, Wine with this code.
    if (code != ERROR_TIMEOUT) return Fail(error, code);
  }
  // Finished before the cancel reached it: it counts as done.
  error = 0;
  return true;
}

}  // namespace

bool SerialLine::Drain(DWORD& error) { return Done(FlushFileBuffers(m_system->handle), error); }

bool SerialLine::Purge(bool input, bool output, DWORD& error) {
  const DWORD flags = (input ? PURGE_RXCLEAR : 0) | (output ? PURGE_TXCLEAR : 0);
  return Done(PurgeComm(m_system->handle, flags), error);
}

bool SerialLine::Break(DWORD ms, DWORD& error) {
  if (!SetCommBreak(m_system->handle)) return Fail(error, GetLastError());
  Sleep(ms);
  return Done(ClearCommBreak(m_system->handle), error);
}

namespace {

// A port without modem lines refuses their calls: ERROR_NOT_SUPPORTED, or on some drivers and
// Wine's pseudo-terminals an invalid parameter or function.
bool ModemFail(DWORD& error, DWORD code) {
  return Fail(error, code == ERROR_INVALID_PARAMETER || code == ERROR_INVALID_FUNCTION
                         ? ERROR_NOT_SUPPORTED
                         : code);
}

}  // namespace

bool SerialLine::SetModemLine(bool dtr, bool on, DWORD& error) {
  const DWORD function = dtr ? (on ? SETDTR : CLRDTR) : (on ? SETRTS : CLRRTS);
  if (!EscapeCommFunction(m_system->handle, function)) return ModemFail(error, GetLastError());
  error = 0;
  return true;
}

bool SerialLine::ModemLines(DWORD& lines, DWORD& error) {
  lines = 0;
  if (!GetCommModemStatus(m_system->handle, &lines)) return ModemFail(error, GetLastError());
  error = 0;
  return true;
}

bool SerialLine::BytesWaiting(DWORD& count, DWORD& error) {
  DWORD errors = 0;
  COMSTAT status{};
  count = 0;
  if (!ClearCommError(m_system->handle, &errors, &status)) return Fail(error, GetLastError());
  count = status.cbInQue;
  error = 0;
  return true;
}

void SerialLine::RaiseCancel() { SetEvent(m_system->cancel); }

void SerialLine::ClearCancel() { ResetEvent(m_system->cancel); }

}  // namespace corekit::platform
