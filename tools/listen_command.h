#pragma once

// `corekit listen PORT`: the frames that come from a serial port, one a line as they arrive (or
// one JSON object a line), then a summary of their counts and rates. --baud sets the rate, --probe
// finds it first; --seconds ends the listening, else it goes on until interrupted.

#include <atomic>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "corekit/gnss/gnss_frame.h"
#include "tools/command.h"

class TComPortStream;

namespace corekit::tool {

// What was heard: the frames by protocol and type, and the bytes in no frame.
struct ListenCounts {
  // The valid frames by protocol and type: {"NMEA", "GGA"}, {"UBX", "NAV-PVT"}.
  std::map<std::pair<std::string, std::string>, unsigned long> valid;
  unsigned long invalid = 0;       // frames with a bad checksum
  unsigned long long skipped = 0;  // bytes in no frame
  double seconds = 0;              // the time listened
  unsigned long baud = 0;          // the rate listened at
};

// A frame as a line: "NMEA GGA (GP) 69 bytes ok", "UBX NAV-PVT 100 bytes bad checksum"; in JSON
// {"protocol": "NMEA", "type": "GGA", "length": 69, "valid": true}.
std::string FrameLine(const TGnssFrame& frame, bool json);
// The summary: totals, then each protocol and type with its count and rate per second.
std::string ListenSummary(const ListenCounts& counts, bool json);

// Reads frames from an open port and writes each as it comes, until seconds have passed (0:
// until stop is set) or the port fails; counts gets what was heard. 0, or the port's failure.
LONG ListenToPort(TComPortStream& port, double seconds, bool json, std::ostream& out,
                  const std::atomic<bool>& stop, ListenCounts& counts);

// Adds the `listen` subcommand to the application.
std::unique_ptr<Command> AddListenCommand(CLI::App& app);

}  // namespace corekit::tool
