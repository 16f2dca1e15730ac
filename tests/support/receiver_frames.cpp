#include "tests/support/receiver_frames.h"

#include "corekit/gnss/frame_writer.h"

namespace corekit_test {

using namespace corekit::internal;

const std::vector<ReceiverFrame>& ReceiverFrames() {
  static const std::vector<ReceiverFrame> frames = {
      {TGnssProtocol::Nmea, "GGA",
       NmeaSentence("GNGGA,092725.00,4717.11399,N,00833.91590,E,1,08,1.01,499.6,M,48.0,M,,")},
      {TGnssProtocol::Nmea, "GSA",
       NmeaSentence("GNGSA,A,3,23,29,07,08,09,18,26,28,,,,,1.94,1.18,1.54,1")},
      {TGnssProtocol::Nmea, "RMC",
       NmeaSentence("GNRMC,092725.00,A,4717.11399,N,00833.91590,E,0.004,77.52,091202,,,A,V")},
      {TGnssProtocol::Ubx, "NAV-PVT", UbxFrame(0x01, 0x07, std::string(92, '\x21'))},
      {TGnssProtocol::Rtcm3, "1005", Rtcm3Message(1005, std::string(17, '\x42'))},
      {TGnssProtocol::Rtcm3, "1077", Rtcm3Message(1077, std::string(60, '\x07'))},
      {TGnssProtocol::Sbf, "4007", SbfBlock(4007, 2, std::string(88, '\x03'))},
  };
  return frames;
}

std::string ReceiverFrameBytes() {
  std::string bytes;
  for (const ReceiverFrame& frame : ReceiverFrames()) bytes += frame.bytes;
  return bytes;
}

}  // namespace corekit_test
