#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "corekit/export.h"
#include "corekit/gnss/gnss_frame.h"

// Finds the frames of NMEA 0183, UBX, RTCM 3 and SBF in a byte stream fed in pieces of any size:
// the frames found do not depend on how the bytes were split. Bytes that start no frame are
// skipped as garbage. A frame whose framing is complete but whose checksum fails is reported with
// Valid false, and the search goes on from its second byte, as it does after a false start, so
// that a sync byte inside garbage never hides a frame that follows. A valid frame's bytes are
// taken whole. The scanner holds at most the bytes of the largest frame (MaxHeld) while it waits
// for the rest of one.
class COREKIT_API TGnssFrameScanner {
public:
  // The most bytes the scanner holds: a UBX frame with a payload of 65535 bytes.
  static constexpr std::size_t MaxHeld = 65535 + 8;

  // A scanner that has seen nothing.
  TGnssFrameScanner();
  // Frees the bytes held.
  ~TGnssFrameScanner();
  TGnssFrameScanner(const TGnssFrameScanner&) = delete;
  TGnssFrameScanner& operator=(const TGnssFrameScanner&) = delete;

  // Takes count more bytes of the stream and appends each frame they complete to frames, in the
  // order of their first bytes.
  void Feed(const unsigned char* data, std::size_t count, std::vector<TGnssFrame>& frames);

  // The bytes fed so far.
  std::uint64_t Position() const;
  // The bytes decided so far that lie in no reported frame.
  std::uint64_t Skipped() const;
  // The bytes held while the frame they may start is still undecided.
  std::size_t Held() const;

private:
  struct State;
  State* m_state;
};
