#include "corekit/gnss/frame_format.h"

namespace corekit::internal {

std::span<const FrameFormat* const> FrameFormats() {
  // NMEA and SBF both start with '$'; their second bytes tell them apart.
  static const FrameFormat* const formats[] = {&NmeaFormat, &UbxFormat, &Rtcm3Format, &SbfFormat};
  return formats;
}

}  // namespace corekit::internal
