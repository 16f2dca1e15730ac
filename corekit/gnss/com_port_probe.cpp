#include "corekit/gnss/com_port_probe.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "corekit/gnss/frame_writer.h"
#include "corekit/gnss/gnss_frame_scanner.h"
#include "corekit/util/com_port_stream.h"

namespace {

using Clock = std::chrono::steady_clock;

// What receivers ship with, most common first: 9600 (most NMEA modules, u-blox 6 to 8, NovAtel),
// 115200 (Septentrio, many newer modules, USB receivers set up by their tools), 38400 (u-blox 9
// and 10), 4800 (older SiRF and Garmin units, marine NMEA), then what users set.
constexpr DWORD UsualRates[] = {9600, 115200, 38400, 4800, 57600, 19200, 230400, 460800, 921600};

// Reads return after this long at most, or when the line pauses for ReadGapMs, so that the probe
// looks at what came and at its bounds often.
constexpr DWORD ReadSliceMs = 50;
constexpr DWORD ReadGapMs = 5;
constexpr LONG ReadChunk = 256;
constexpr DWORD PollWriteMs = 500;

DWORD MsSince(Clock::time_point start) {
  return static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

std::vector<DWORD> RateOrder(DWORD first, const TComPortProbeOptions& options) {
  std::vector<DWORD> rates;
  if (first != 0) rates.push_back(first);
  const DWORD* list = options.Rates != nullptr ? options.Rates : UsualRates;
  const int count = options.Rates != nullptr ? options.RateCount : int(std::size(UsualRates));
  for (int i = 0; i < count; ++i) {
    if (list[i] != 0 && std::find(rates.begin(), rates.end(), list[i]) == rates.end())
      rates.push_back(list[i]);
  }
  return rates;
}

// How the time at one rate ended.
enum class RateEnd { Found, Next, Stop };

class Probe {
public:
  Probe(TComPortStream& port, const TComPortProbeOptions& options)
      : m_port(port), m_options(options) {}

  TComPortProbeResult Run() {
    const TComPortSettings before = m_port.Settings();
    m_result.Result = S_COMPORT_NOFRAMES;
    for (DWORD rate : RateOrder(m_options.Baud != 0 ? m_options.Baud : before.Baud, m_options)) {
      if (TryRate(rate) != RateEnd::Next) break;
    }
    if (m_result.Result != E_COMPORT_GONE) {
      // The caller's timeouts and line format again, at the rate found or tried last (also after
      // a failure or a Cancel: the port stays the caller's).
      TComPortSettings after = before;
      after.Baud = m_port.Settings().Baud;
      m_port.Configure(after);
    }
    if (m_result.Result == S_COMPORT_NOFRAMES && m_result.Bytes == 0)
      m_result.Result = S_COMPORT_SILENT;
    if (m_result.Result != 0) {
      m_result.Baud = 0;
      m_result.Protocol = TGnssProtocol::None;
      m_result.Protocols = 0;
      m_result.Frames = 0;
    }
    m_result.ElapsedMs = MsSince(m_start);
    return m_result;
  }

private:
  RateEnd Fail(LONG result) {
    m_result.Result = result;
    return RateEnd::Stop;
  }

  RateEnd TryRate(DWORD rate) {
    TComPortSettings settings = m_port.Settings();
    settings.Baud = rate;
    settings.ReadTotalMs = ReadSliceMs;
    settings.ReadGapMs = ReadGapMs;
    settings.ReadWhatIsThere = false;
    settings.WriteTotalMs = PollWriteMs;
    const LONG configured = m_port.Configure(settings);
    if (configured == E_COMPORT_BADSETTING) return RateEnd::Next;
    if (configured < 0) return Fail(configured);
    ++m_result.RatesTried;
    // What came before was sent at another rate.
    const LONG purged = m_port.Purge(TComPurge::Input);
    if (purged < 0) return Fail(purged);
    const LONG polled = Poll();
    if (polled < 0) return Fail(polled);
    return Listen(rate);
  }

  LONG Poll() {
    std::string polls;
    if (m_options.Polls & GnssProtocolBit(TGnssProtocol::Nmea))
      polls += corekit::internal::NmeaSentence("EIGPQ,RMC");
    if (m_options.Polls & GnssProtocolBit(TGnssProtocol::Ubx))
      polls += corekit::internal::UbxFrame(0x0A, 0x04, "");
    if (polls.empty()) return 0;
    return m_port.Write(reinterpret_cast<const unsigned char*>(polls.data()),
                        static_cast<LONG>(polls.size()), false);
  }

  RateEnd Listen(DWORD rate) {
    TGnssFrameScanner scanner;
    std::vector<TGnssFrame> frames;
    ULONG counts[5] = {};
    m_result.Protocols = 0;
    m_result.Frames = 0;
    const Clock::time_point rateStart = Clock::now();
    unsigned char data[ReadChunk];
    for (;;) {
      LONG done = 0;
      const LONG read = m_port.Read(data, ReadChunk, &done);
      if (done > 0) {
        m_lastByte = Clock::now();
        m_result.Bytes += static_cast<std::uint64_t>(done);
        frames.clear();
        scanner.Feed(data, static_cast<std::size_t>(done), frames);
        for (const TGnssFrame& frame : frames) {
          if (!frame.Valid) continue;
          const int protocol = static_cast<int>(frame.Protocol);
          ++counts[protocol];
          ++m_result.Frames;
          m_result.Protocols |= GnssProtocolBit(frame.Protocol);
          if (counts[protocol] >= 2 && m_result.Protocol == TGnssProtocol::None)
            m_result.Protocol = frame.Protocol;
        }
      }
      if (read < 0) return Fail(read);
      if (m_result.Protocol != TGnssProtocol::None) {
        m_result.Result = 0;
        m_result.Baud = rate;
        return RateEnd::Found;
      }
      if (MsSince(m_lastByte) >= m_options.SilenceMs) return Fail(S_COMPORT_SILENT);
      if (scanner.Skipped() >= m_options.GarbageBytes || MsSince(rateStart) >= m_options.RateMs)
        return RateEnd::Next;
    }
  }

  TComPortStream& m_port;
  const TComPortProbeOptions& m_options;
  TComPortProbeResult m_result;
  const Clock::time_point m_start = Clock::now();
  Clock::time_point m_lastByte = m_start;
};

}  // namespace

TComPortProbeResult ProbeComPort(TComPortStream& port, const TComPortProbeOptions& options) {
  return Probe(port, options).Run();
}

TComPortProbeResult ProbeComPort(const KString& name, const TComPortProbeOptions& options) {
  TComPortStream port;
  TComPortSettings settings;
  settings.Baud = options.Baud;  // 0: the port's own rate
  const LONG opened = port.Open(name, settings);
  if (opened < 0) {
    TComPortProbeResult result;
    result.Result = opened;
    return result;
  }
  return ProbeComPort(port, options);
}
