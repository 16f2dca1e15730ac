#pragma once

// One second of what a receiver that speaks every recognised protocol sends: NMEA GGA, GSA and
// RMC, UBX NAV-PVT, RTCM 3 messages 1005 and 1077, SBF PVTGeodetic (4007), as the protocol, type
// and length of each frame and the bytes of them all.

#include <string>
#include <vector>

#include "corekit/gnss/gnss_frame.h"

namespace corekit_test {

struct ReceiverFrame {
  TGnssProtocol protocol;
  std::string type;
  std::string bytes;
};

const std::vector<ReceiverFrame>& ReceiverFrames();
// The bytes of every frame of ReceiverFrames in order.
std::string ReceiverFrameBytes();

}  // namespace corekit_test
