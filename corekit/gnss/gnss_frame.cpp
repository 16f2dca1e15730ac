#include "corekit/gnss/gnss_frame.h"

const char* GnssProtocolName(TGnssProtocol protocol) {
  switch (protocol) {
    case TGnssProtocol::Nmea:
      return "NMEA";
    case TGnssProtocol::Ubx:
      return "UBX";
    case TGnssProtocol::Rtcm3:
      return "RTCM3";
    case TGnssProtocol::Sbf:
      return "SBF";
    case TGnssProtocol::None:
      break;
  }
  return "";
}
