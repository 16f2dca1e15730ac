#pragma once

#include <mutex>

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/streams/abstract_stream.h"
#include "corekit/util/com_port_settings.h"

// Results of the serial-port stream besides those of every stream. Each failure is the
// HRESULT_FROM_WIN32 form of the system's own code (its number differs between Windows and Linux,
// its name does not), so the error reporters give the system's text for it.
#if defined(_WIN32)
// The device went away after the port was opened (ERROR_DEVICE_NOT_CONNECTED).
inline constexpr LONG E_COMPORT_GONE = static_cast<LONG>(0x8007048F);
// Another handle has the port open (ERROR_BUSY).
inline constexpr LONG E_COMPORT_BUSY = static_cast<LONG>(0x800700AA);
// The port has no modem lines to set or read (ERROR_NOT_SUPPORTED).
inline constexpr LONG E_COMPORT_NOMODEMLINES = static_cast<LONG>(0x80070032);
// Cancel ended the operation (ERROR_OPERATION_ABORTED).
inline constexpr LONG E_COMPORT_CANCELLED = static_cast<LONG>(0x800703E3);
// The driver refused a setting (ERROR_INVALID_PARAMETER); the previous ones stay.
inline constexpr LONG E_COMPORT_BADSETTING = static_cast<LONG>(0x80070057);
// The stream has no port open (ERROR_INVALID_HANDLE).
inline constexpr LONG E_COMPORT_NOTOPEN = static_cast<LONG>(0x80070006);
#else
// The device went away after the port was opened (ENODEV).
inline constexpr LONG E_COMPORT_GONE = static_cast<LONG>(0x80070013);
// Another handle has the port open (EBUSY).
inline constexpr LONG E_COMPORT_BUSY = static_cast<LONG>(0x80070010);
// The port has no modem lines to set or read (EOPNOTSUPP).
inline constexpr LONG E_COMPORT_NOMODEMLINES = static_cast<LONG>(0x8007005F);
// Cancel ended the operation (ECANCELED).
inline constexpr LONG E_COMPORT_CANCELLED = static_cast<LONG>(0x8007007D);
// The driver refused a setting (EINVAL); the previous ones stay.
inline constexpr LONG E_COMPORT_BADSETTING = static_cast<LONG>(0x80070016);
// The stream has no port open (EBADF).
inline constexpr LONG E_COMPORT_NOTOPEN = static_cast<LONG>(0x80070009);
#endif
// No port of that name exists (ERROR_FILE_NOT_FOUND, ENOENT: 2 on both systems).
inline constexpr LONG E_COMPORT_NOTFOUND = static_cast<LONG>(0x80070002);
// Success, but a read timeout ended the Read before it had all its bytes (done says how many).
inline constexpr LONG S_COMPORT_TIMEOUT = 0x00040110;

namespace corekit::platform {
class SerialLine;
}

// A serial port as a byte stream, opened exclusively by the name the port listings give
// ("/dev/ttyACM0", "/dev/serial/by-id/...", "COM7", "COM12").
//
//   TComPortStream port;
//   TComPortSettings settings;
//   settings.Baud = 115200;
//   settings.ReadTotalMs = 500;
//   if (port.Open("/dev/ttyACM0", settings) == 0) {
//     unsigned char data[256];
//     LONG done = 0;
//     LONG result = port.Read(data, sizeof data, &done);  // 0, S_COMPORT_TIMEOUT or a failure
//   }
//
// Once the device has gone (E_COMPORT_GONE), every Read and Write fails with that code until the
// port is closed. Only Cancel may be called while another thread is inside a member.
class COREKIT_API TComPortStream : public TAbstractStream {
public:
  // A stream with no port open.
  TComPortStream();
  TComPortStream(const TComPortStream&) = delete;
  TComPortStream& operator=(const TComPortStream&) = delete;
  // Closes the port.
  ~TComPortStream() override;

  // Opens the port for this stream alone and applies the settings. 0, or E_COMPORT_NOTFOUND,
  // E_COMPORT_BUSY (open elsewhere), E_COMPORT_BADSETTING (then the port is not left open) or the
  // system's error. A port already open is closed first. A Baud of 0 keeps the speed, data bits,
  // parity, stop bits and flow control that the port has (9600 8N1 without flow control where the
  // system cannot say or has a setting this stream cannot keep); the timeouts are always taken.
  LONG Open(const KString& name, const TComPortSettings& settings);
  // Closes the port; a closed stream stays closed.
  void Close();
  // Whether a port is open (also after its device has gone, until Close).
  bool IsOpen() const;

  // Applies new settings: 0, or E_COMPORT_BADSETTING, and then the previous settings stay.
  LONG Configure(const TComPortSettings& settings);
  // The settings in force: the line's as the driver reports them, the timeouts as last applied.
  TComPortSettings Settings() const;

  // Writes count bytes: 0 when all went; E_STREAM_SHORTWRITE when WriteTotalMs ended it first;
  // E_COMPORT_GONE, E_COMPORT_CANCELLED or the system's error otherwise. LastWritten says how many
  // went in every case. flush waits until they have left the port, as Drain does (and as long).
  LONG Write(const unsigned char* data, LONG count, bool flush) override;
  // Reads up to count bytes as the read timeouts say, their number in done: 0 with all of them,
  // S_COMPORT_TIMEOUT with fewer, E_COMPORT_GONE (the bytes that came before are in done),
  // E_COMPORT_CANCELLED or the system's error. Never S_STREAM_END: a port has no end.
  LONG Read(unsigned char* data, LONG count, LONG* done) override;
  // A port has no position: E_NOTIMPL.
  LONG Seek(LONG offset, int origin) override;
  // Always 0.
  LONG GetPosition() override;
  // The number of bytes that the last Write sent, however it ended.
  DWORD LastWritten() const { return m_lastWritten; }

  // Waits until every written byte has left the port. Flow control that holds the output back
  // makes it wait on; Cancel does not end this wait.
  LONG Drain();
  // Throws away the bytes received and not yet read, or written and not yet sent, or both.
  LONG Purge(TComPurge which);
  // Holds the line in the break state for about ms milliseconds.
  LONG SendBreak(DWORD ms);
  // Turns the DTR or RTS line on or off: 0, or E_COMPORT_NOMODEMLINES.
  LONG SetDtr(bool on);
  LONG SetRts(bool on);
  // The modem status lines (COMPORT_CTS | COMPORT_DSR | COMPORT_RI | COMPORT_DCD) that are on: 0,
  // or E_COMPORT_NOMODEMLINES when the port has none (a pseudo-terminal, Wine's ports).
  LONG GetModemLines(DWORD& lines);
  // The number of bytes received and not yet read.
  LONG BytesWaiting(DWORD& count);

  // Callable from any thread: every Read or Write in progress ends at once with
  // E_COMPORT_CANCELLED; when none is in progress, the next one to start does. The port stays
  // open and usable.
  void Cancel();

private:
  LONG Fail(LONG result);

  corekit::platform::SerialLine* m_line = nullptr;
  std::mutex m_cancelLock;  // held by Cancel, and by Open and Close where they change m_line
  TComPortSettings m_settings;
  DWORD m_lastWritten = 0;
  bool m_gone = false;
};
