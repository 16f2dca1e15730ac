#include "tools/week_input.h"

#include <cstdint>
#include <string>
#include <utility>

#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gnss_week.h"
#include "corekit/gpstime/gps_week.h"
#include "corekit/gpstime/scale_time.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/number_text.h"

namespace corekit::tool {
namespace {

constexpr unsigned int FullWeek = 0;

WeekResult Refused(std::string message) {
  WeekResult result;
  result.error = std::move(message);
  return result;
}

bool ReadScale(const std::optional<std::string>& text, TTimeScale& scale) {
  if (!text || *text == "gps") {
    scale = TTimeScale::GPS;
  } else if (*text == "gal") {
    scale = TTimeScale::GST;
  } else if (*text == "bds") {
    scale = TTimeScale::BDT;
  } else {
    return false;
  }
  return true;
}

// The week of the reference on the scale the week is given on.
bool ReferenceWeek(const WeekInput& in, TTimeScale scale, int& week, std::string& error) {
  TUTCTime reference(TCurrentTime{});
  if (in.reference) {
    KString reason;
    if (!TUTCTime::Parse(in.reference->c_str(), reference, reason)) {
      error = "--ref: " + std::string(static_cast<const char*>(reason));
      return false;
    }
  }
  const TTrueGPSTime gps = reference.ToTrueGPS();
  switch (scale) {
    case TTimeScale::GST:
      week = TGSTTime::From(gps).Week();
      break;
    case TTimeScale::BDT:
      week = TBDTTime::From(gps).Week();
      break;
    default:
      week = in.count ? TCalendarTime(reference.Calendar().Seconds()).Week() : gps.Week();
  }
  return true;
}

}  // namespace

WeekResult ResolveWeek(const WeekInput& in) {
  TTimeScale scale = TTimeScale::GPS;
  if (!ReadScale(in.system, scale)) {
    return Refused("--system: '" + *in.system + "' is not gps, gal or bds");
  }
  if (in.count && scale != TTimeScale::GPS) {
    return Refused("--count takes GPS weeks only: Galileo and BeiDou weeks are on their own scale");
  }
  std::uint32_t week = 0, sow = 0, nanoseconds = 0;
  if (ParseUnsigned32(in.week, week) != NumberStatus::Ok) {
    return Refused("--week: '" + in.week + "' is not a week number (0 to 4294967295)");
  }
  if (ParseSecondsAndFraction(in.secondOfWeek, sow, nanoseconds) != NumberStatus::Ok ||
      sow >= SecondsPerWeek) {
    return Refused("--sow: '" + in.secondOfWeek +
                   "' is not a second of week (0 to 604799, with up to nine decimals)");
  }
  unsigned int bits = scale == TTimeScale::GPS && week < 1024 ? TGNSSWeek::GPSLegacyBits : FullWeek;
  if (in.bits) {
    if (*in.bits == "full") {
      bits = FullWeek;
    } else if (*in.bits == "10" || *in.bits == "12" || *in.bits == "13") {
      bits = static_cast<unsigned int>(std::stoi(*in.bits));
    } else {
      return Refused("--bits: '" + *in.bits + "' is not 10, 12, 13 or full");
    }
  }
  WeekResult result;
  long long fullWeek = week;
  if (bits != FullWeek) {
    if (week >> bits != 0) {
      return Refused("--week: " + in.week + " does not fit " + std::to_string(bits) +
                     " bits (0 to " + std::to_string((1u << bits) - 1) + ")");
    }
    int referenceWeek = 0;
    if (!ReferenceWeek(in, scale, referenceWeek, result.error)) return result;
    fullWeek = TGNSSWeek::Resolve(week, bits, referenceWeek);
    result.referenceUsed = true;
    if (scale == TTimeScale::GPS && bits == TGNSSWeek::GPSLegacyBits) {
      result.fixedRuleWeek = static_cast<int>(TGPSWeek(static_cast<int>(week)));
    }
  }
  // The first week of each scale is GPS week 0, Galileo's 1024 and BeiDou's 1356.
  const long long onScale =
      (fullWeek + TTimeScales::FirstWeek(scale)) * static_cast<long long>(SecondsPerWeek) + sow;
  result.seconds = TTimeScales::GPSSeconds(onScale, scale);
  result.nanoseconds = nanoseconds;
  return result;
}

}  // namespace corekit::tool
