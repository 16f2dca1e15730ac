#include "corekit/util/com_port_stream.h"

#include <utility>

#include "corekit/platform/serial_line.h"
#include "corekit/platform/types.h"
#include "corekit/streams/system_error.h"

namespace platform = corekit::platform;

namespace {

// Settings that no driver can take are refused before the driver sees them: 5 to 8 data bits, a
// speed, one and a half stop bits only with 5 data bits and two only with more, as a UART has them.
bool Valid(const TComPortSettings& settings) {
  const auto stop = settings.StopBits;
  const bool five = settings.DataBits == 5;
  return settings.Baud != 0 && settings.DataBits >= 5 && settings.DataBits <= 8 &&
         static_cast<unsigned>(settings.Parity) <= 4 && static_cast<unsigned>(stop) <= 2 &&
         static_cast<unsigned>(settings.Flow) <= 2 && (stop != TComStopBits::OneAndHalf || five) &&
         (stop != TComStopBits::Two || !five);
}

// The settings with the line's speed and format in place of their own.
TComPortSettings WithLine(TComPortSettings settings, const platform::SerialLineSettings& line) {
  settings.Baud = line.baud;
  settings.DataBits = line.dataBits;
  settings.Parity = static_cast<TComParity>(line.parity);
  settings.StopBits = static_cast<TComStopBits>(line.stopBits);
  settings.Flow = static_cast<TComFlowControl>(line.flow);
  return settings;
}

platform::SerialLineSettings LineOf(const TComPortSettings& settings) {
  platform::SerialLineSettings line;
  line.baud = settings.Baud;
  line.dataBits = settings.DataBits;
  line.parity = static_cast<BYTE>(settings.Parity);
  line.stopBits = static_cast<BYTE>(settings.StopBits);
  line.flow = static_cast<BYTE>(settings.Flow);
  return line;
}

// A call on the open line: refused on a closed port or a gone device, else the system's answer as a
// stream result; a device found gone stays gone.
template <class Call>
LONG LineCall(const platform::SerialLine* line, bool& gone, Call call) {
  if (!line) return E_COMPORT_NOTOPEN;
  if (gone) return E_COMPORT_GONE;
  DWORD error = 0;
  if (call(error)) return 0;
  const LONG result = StreamErrorFromSystem(error);
  if (result == E_COMPORT_GONE) gone = true;
  return result;
}

}  // namespace

TComPortStream::TComPortStream() = default;

TComPortStream::~TComPortStream() { Close(); }

LONG TComPortStream::Open(const KString& name, const TComPortSettings& settings) {
  Close();
  const bool keepLine = settings.Baud == 0;
  if (!keepLine && !Valid(settings)) return E_COMPORT_BADSETTING;
  DWORD error = 0;
  platform::SerialLine* const opened = platform::SerialLine::Open(name, error);
  if (!opened) return StreamErrorFromSystem(error);
  {
    const std::lock_guard<std::mutex> lock(m_cancelLock);
    m_line = opened;
  }
  TComPortSettings wanted = settings;
  if (keepLine) {
    // The line's own settings applied again, so that it reads and writes raw bytes as they are.
    platform::SerialLineSettings line;
    const TComPortSettings kept = m_line->Query(line, error) ? WithLine(settings, line) : settings;
    wanted = Valid(kept) ? kept : TComPortSettings{};
    wanted.ReadTotalMs = settings.ReadTotalMs;
    wanted.ReadGapMs = settings.ReadGapMs;
    wanted.ReadWhatIsThere = settings.ReadWhatIsThere;
    wanted.WriteTotalMs = settings.WriteTotalMs;
  }
  const LONG result = Configure(wanted);
  if (result != 0) Close();
  return result;
}

void TComPortStream::Close() {
  // Taken out under the lock, so that a Cancel on another thread is done with it or never sees it.
  platform::SerialLine* line = nullptr;
  {
    const std::lock_guard<std::mutex> lock(m_cancelLock);
    std::swap(line, m_line);
  }
  delete line;
  m_gone = false;
  m_lastWritten = 0;
}

bool TComPortStream::IsOpen() const { return m_line != nullptr; }

LONG TComPortStream::Configure(const TComPortSettings& settings) {
  if (!m_line) return E_COMPORT_NOTOPEN;
  if (m_gone) return E_COMPORT_GONE;
  if (!Valid(settings)) return E_COMPORT_BADSETTING;
  DWORD error = 0;
  if (!m_line->Apply(LineOf(settings), error)) return Fail(StreamErrorFromSystem(error));
  m_settings = settings;
  return 0;
}

TComPortSettings TComPortStream::Settings() const {
  TComPortSettings settings = m_settings;
  platform::SerialLineSettings line;
  DWORD error = 0;
  if (m_line && !m_gone && m_line->Query(line, error)) return WithLine(settings, line);
  return settings;
}

// A device that went away stays gone for every later call, until Close.
LONG TComPortStream::Fail(LONG result) {
  if (result == E_COMPORT_GONE) m_gone = true;
  return result;
}

LONG TComPortStream::Write(const unsigned char* data, LONG count, bool flush) {
  m_lastWritten = 0;
  if (!m_line) return E_COMPORT_NOTOPEN;
  if (m_gone) return E_COMPORT_GONE;
  if (count < 0) count = 0;  // never read past the caller's bytes
  DWORD error = 0;
  const bool written =
      m_line->Write(data, static_cast<DWORD>(count), m_settings.WriteTotalMs, m_lastWritten, error);
  if (!written) return Fail(StreamErrorFromSystem(error));
  if (m_lastWritten < static_cast<DWORD>(count)) return E_STREAM_SHORTWRITE;
  return flush ? Drain() : 0;
}

LONG TComPortStream::Read(unsigned char* data, LONG count, LONG* done) {
  LONG ignored = 0;
  if (!done) done = &ignored;
  *done = 0;
  if (!m_line) return E_COMPORT_NOTOPEN;
  if (m_gone) return E_COMPORT_GONE;
  if (count < 0) count = 0;  // never write past the caller's buffer
  const platform::SerialReadLimits limits{m_settings.ReadTotalMs, m_settings.ReadGapMs,
                                          m_settings.ReadWhatIsThere};
  DWORD read = 0, error = 0;
  const bool succeeded = m_line->Read(data, static_cast<DWORD>(count), limits, read, error);
  *done = static_cast<LONG>(read);
  if (!succeeded) return Fail(StreamErrorFromSystem(error));
  return read < static_cast<DWORD>(count) ? S_COMPORT_TIMEOUT : 0;
}

LONG TComPortStream::Seek(LONG, int) { return E_NOTIMPL; }

LONG TComPortStream::GetPosition() { return 0; }

LONG TComPortStream::Drain() {
  return LineCall(m_line, m_gone, [&](DWORD& error) { return m_line->Drain(error); });
}

LONG TComPortStream::Purge(TComPurge which) {
  const bool input = which != TComPurge::Output, output = which != TComPurge::Input;
  return LineCall(m_line, m_gone,
                  [&](DWORD& error) { return m_line->Purge(input, output, error); });
}

LONG TComPortStream::SendBreak(DWORD ms) {
  return LineCall(m_line, m_gone, [&](DWORD& error) { return m_line->Break(ms, error); });
}

LONG TComPortStream::SetDtr(bool on) {
  return LineCall(m_line, m_gone,
                  [&](DWORD& error) { return m_line->SetModemLine(true, on, error); });
}

LONG TComPortStream::SetRts(bool on) {
  return LineCall(m_line, m_gone,
                  [&](DWORD& error) { return m_line->SetModemLine(false, on, error); });
}

LONG TComPortStream::GetModemLines(DWORD& lines) {
  lines = 0;
  return LineCall(m_line, m_gone, [&](DWORD& error) { return m_line->ModemLines(lines, error); });
}

LONG TComPortStream::BytesWaiting(DWORD& count) {
  count = 0;
  return LineCall(m_line, m_gone, [&](DWORD& error) { return m_line->BytesWaiting(count, error); });
}

void TComPortStream::Cancel() {
  const std::lock_guard<std::mutex> lock(m_cancelLock);
  if (m_line) m_line->Cancel();
}
