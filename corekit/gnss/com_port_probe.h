#pragma once

#include <cstdint>

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gnss/gnss_frame.h"
#include "corekit/platform/interface_types.h"

class TComPortStream;

// Results of a probe besides 0 (a receiver was found) and the port's failures.
// Success, but no byte came from the port for SilenceMs: nothing talks on it.
inline constexpr LONG S_COMPORT_SILENT = 0x00040121;
// Success, but bytes came and no rate showed two valid frames of one protocol.
inline constexpr LONG S_COMPORT_NOFRAMES = 0x00040122;

// The bit of a protocol in TComPortProbeResult::Protocols and TComPortProbeOptions::Polls.
constexpr ULONG GnssProtocolBit(TGnssProtocol protocol) {
  return 1UL << static_cast<int>(protocol);
}

// How a probe goes. The defaults suit receivers that send at least two frames a second or a
// burst of them once a second.
struct TComPortProbeOptions {
  // The rate tried first; 0: the rate the port is set to.
  DWORD Baud = 0;
  // The rates tried after it, in order (a rate already tried is not tried again); null: the usual
  // rates, most likely first: 9600, 115200, 38400, 4800, 57600, 19200, 230400, 460800, 921600.
  const DWORD* Rates = nullptr;
  int RateCount = 0;  // the number of Rates
  // A rate is left when this many bytes came at it that lie in no frame.
  DWORD GarbageBytes = 1024;
  // A rate is left when it has not shown two valid frames of one protocol after this time.
  DWORD RateMs = 2500;
  // The probe ends with S_COMPORT_SILENT when no byte came for this long, at whatever rate.
  DWORD SilenceMs = 2000;
  // The protocols (GnssProtocolBit) polled at each rate: UBX with a MON-VER poll, NMEA with the
  // standard query for RMC ("$EIGPQ,RMC"). RTCM 3 and SBF have no poll. 0: nothing is written.
  ULONG Polls = 0;
};

// What a probe found.
struct TComPortProbeResult {
  // 0 when two valid frames of one protocol agreed at a rate; S_COMPORT_SILENT,
  // S_COMPORT_NOFRAMES, or the port's failure (E_COMPORT_NOTFOUND, E_COMPORT_BUSY,
  // E_COMPORT_GONE, E_COMPORT_CANCELLED, ...).
  LONG Result = 0;
  DWORD Baud = 0;  // the rate the receiver talks at; 0 when none was found
  TGnssProtocol Protocol = TGnssProtocol::None;  // the protocol of the two frames that agreed
  ULONG Protocols = 0;      // the protocols (GnssProtocolBit) of the valid frames at that rate
  ULONG Frames = 0;         // the valid frames at that rate
  ULONG RatesTried = 0;     // the rates set, the last one included
  std::uint64_t Bytes = 0;  // the bytes read, at every rate
  DWORD ElapsedMs = 0;      // the time the probe took
};

// Finds the rate and protocol of what talks on an open port: sets each rate in turn (the first
// one, then the others), throws away what came before, reads, and stops as soon as two valid
// frames of one protocol (NMEA 0183, UBX, RTCM 3, SBF) have come at one rate; the port stays at
// that rate, else at the last rate tried, with its other settings as before. Nothing is written to
// the port unless options.Polls asks. A probe lasts at most SilenceMs on a silent port and about
// RateMs for each rate otherwise, usually far less: a rate that shows garbage is left after
// GarbageBytes bytes. A rate the driver refuses is passed over; Cancel on the port from another
// thread ends the probe.
COREKIT_API TComPortProbeResult ProbeComPort(TComPortStream& port,
                                             const TComPortProbeOptions& options = {});

// Opens the port by name (as TComPortStream::Open) at options.Baud, or at the rate it is set to
// when that is 0, probes it as above from that rate and closes it.
COREKIT_API TComPortProbeResult ProbeComPort(const KString& name,
                                             const TComPortProbeOptions& options = {});
