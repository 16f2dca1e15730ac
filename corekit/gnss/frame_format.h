#pragma once

// The framing rules of the recognised protocols, one format each, for the frame scanner.

#include <cstddef>
#include <span>
#include <string_view>

#include "corekit/gnss/gnss_frame.h"

namespace corekit::internal {

// What the bytes from a candidate's first byte on show.
enum class FrameMatch {
  NeedMore,  // no decision yet: the frame may go on in the bytes still to come
  NoFrame,   // these bytes start no frame of the format
  Complete,  // a whole frame: its length is known, its checksum checked
};

struct FrameCheck {
  FrameMatch match = FrameMatch::NeedMore;
  std::size_t length = 0;  // Complete: the frame's bytes
  bool valid = false;      // Complete: the checksum agrees
};

// A format's rules. check decides on the bytes held from a candidate's first byte (which is the
// one of the format's sync bytes); given more bytes it never changes a decision, and given
// maxLength bytes it always decides. describe sets the type and talker of a complete frame.
struct FrameFormat {
  TGnssProtocol protocol;
  std::string_view syncBytes;  // the bytes a frame may start with
  std::size_t maxLength;
  FrameCheck (*check)(const unsigned char* data, std::size_t size);
  void (*describe)(const unsigned char* frame, std::size_t length, TGnssFrame& out);
};

// The formats, NMEA 0183, UBX, RTCM 3 and SBF.
std::span<const FrameFormat* const> FrameFormats();

extern const FrameFormat NmeaFormat;
extern const FrameFormat UbxFormat;
extern const FrameFormat Rtcm3Format;
extern const FrameFormat SbfFormat;

// The name of a UBX class and id ("NAV-PVT"), or null for one without a name here.
const char* UbxMessageName(unsigned char messageClass, unsigned char id);

}  // namespace corekit::internal
