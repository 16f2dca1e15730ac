#pragma once

#include "corekit/export.h"
#include "corekit/gpstime/time_constants.h"
#include "corekit/platform/interface_types.h"

// Week numbers and seconds of week as satellites broadcast them: truncated to a few bits, or a
// second of week without its week. Both are resolved against a reference the caller trusts (the
// current time, usually), unlike TGPSWeek's fixed rule.
class COREKIT_API TGNSSWeek {
public:
  // Widths of the broadcast week numbers.
  static constexpr unsigned int GPSLegacyBits = 10;  // GPS navigation message (LNAV)
  static constexpr unsigned int GPSCNAVBits = 13;    // GPS CNAV
  static constexpr unsigned int GalileoBits = 12;    // Galileo, weeks of GST
  static constexpr unsigned int BeiDouBits = 13;     // BeiDou, weeks of BDT
  // Seconds in a week.
  static constexpr ULONG SecondsPerWeek = corekit::SecondsPerWeek;

  // The full week whose low `bits` bits are `truncated` that lies nearest referenceWeek: from half
  // the range before it to just under half after (10 bits: -512..+511). Never below 0: a result
  // before week 0 moves one range later. -1 for bits outside 1..30 or a truncated week that does
  // not fit them. Resolve(400, 10, 2440) is 2448; Resolve(1023, 10, 2048) is 2047.
  static constexpr int Resolve(unsigned int truncated, unsigned int bits, int referenceWeek) {
    if (bits < 1 || bits > 30 || truncated >> bits != 0) return -1;
    const unsigned int range = 1u << bits;
    const unsigned int mask = range - 1;
    // Distance from the reference forward to the next week with these low bits, then folded.
    const unsigned int ahead = (truncated - static_cast<unsigned int>(referenceWeek)) & mask;
    int week = referenceWeek + static_cast<int>(ahead);
    if (ahead >= range / 2) week -= static_cast<int>(range);
    if (week < 0) week += static_cast<int>(range);
    return week;
  }

  // The count of seconds whose second of week is secondOfWeek that lies nearest reference, a
  // count of seconds on the same scale: in the reference's week, or the one before or after when
  // that is nearer (within half a week). Exactly half a week from the reference either way, the
  // earlier instant is taken: a receiver's message is never placed in the future by the tie. A
  // second of week of 604800 or more gives 0; so does a result outside the 32-bit count.
  static constexpr ULONG ResolveSecondOfWeek(ULONG secondOfWeek, ULONG reference) {
    if (secondOfWeek >= SecondsPerWeek) return 0;
    const long long start = static_cast<long long>(reference - reference % SecondsPerWeek);
    long long seconds = start + secondOfWeek;
    const long long offset = seconds - static_cast<long long>(reference);
    if (offset >= static_cast<long long>(SecondsPerWeek / 2)) seconds -= SecondsPerWeek;
    if (offset < -static_cast<long long>(SecondsPerWeek / 2)) seconds += SecondsPerWeek;
    return seconds < 0 || seconds > 0xFFFFFFFFLL ? 0 : static_cast<ULONG>(seconds);
  }
};
