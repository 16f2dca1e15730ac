#pragma once

// Reads the IANA/IERS leap-second list ("leap-seconds.list"): data lines of an NTP time (seconds
// since 1900-01-01) and TAI - UTC from that instant, "#$" the update time, "#@" the expiry, "#h"
// the SHA-1 of the update and expiry times and the data fields with all white space removed, as
// five groups of hex digits. Internal: TLeapSeconds loads files through it.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corekit/gpstime/leap_second_table.h"

namespace corekit::internal {

// The entries as GPS - UTC on TGPSTime's count and the expiry, or false with a one-line reason.
// Refused: a line that is no data line or comment, a missing or repeated "#$", "#@" or "#h", no
// data or more than 250 entries, NTP times not increasing at whole days at least 28 days apart,
// steps of TAI - UTC other than one second, an expiry not after the last entry, and a hash that the
// data do not give.
bool ParseLeapSecondsList(std::string_view text, std::vector<LeapEntry>& entries, long long& expiry,
                          std::string& reason);

// The table of a list file, or null with a one-line reason that begins with the path.
std::unique_ptr<const LeapSecondTable> ReadLeapSecondsFile(const std::string& path,
                                                           std::string& reason);

// The table a process starts with: the file `named` when one is named, else the system's list
// when it expires after `builtInExpiry`; null for the built-in table. `source` says which table
// it is and, when a named file was refused, why.
std::unique_ptr<const LeapSecondTable> StartingTable(const std::string& named,
                                                     const std::string& system,
                                                     long long builtInExpiry, std::string& source);

// How many loaded tables the process holds besides the built-in one (TLeapSeconds keeps a few).
std::size_t LoadedLeapSecondTables();

// NTP seconds (from 1900) to seconds since the GPS epoch on TGPSTime's count.
inline constexpr long long NtpToGpsEpoch = 2524953600LL;
// TAI - GPS.
inline constexpr int TaiMinusGps = 19;

}  // namespace corekit::internal
