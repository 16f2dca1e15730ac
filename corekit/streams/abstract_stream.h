#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Results of the stream operations, besides 0 (success), E_NOTIMPL and the HRESULT of a failed
// system call.
// Success, but fewer bytes than asked for could be read: the end of the data.
inline constexpr LONG S_STREAM_END = 0x00040101;
// Fewer bytes than asked for were written.
inline constexpr LONG E_STREAM_SHORTWRITE = static_cast<LONG>(0x80040101);

// A byte stream: write, read, seek and tell, each reporting a result code (negative for failure).
// This base supports none of them: Write, Read and Seek answer E_NOTIMPL, GetPosition 0.
class COREKIT_API TAbstractStream {
public:
  // A stream that supports none of the operations.
  TAbstractStream() = default;
  virtual ~TAbstractStream();

  // Writes count bytes; flush asks the stream to complete or pass on what it holds.
  virtual LONG Write(const unsigned char* data, LONG count, bool flush);
  // Reads at most count bytes and stores the number delivered through done.
  virtual LONG Read(unsigned char* data, LONG count, LONG* done);
  // Moves the position by offset from the start (origin 0), the end (2) or the current position
  // (any other origin).
  virtual LONG Seek(LONG offset, int origin);
  // The position, in bytes from the start.
  virtual LONG GetPosition();

protected:
  // Copied only as part of a derived stream.
  TAbstractStream(const TAbstractStream&) = default;
  TAbstractStream& operator=(const TAbstractStream&) = default;
};
