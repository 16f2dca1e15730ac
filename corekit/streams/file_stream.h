#pragma once

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"
#include "corekit/streams/abstract_stream.h"

// A stream over a system file handle, which it owns. A stream whose open failed answers every
// Write, Read and Seek with the open status (the HRESULT of the system's error) and GetPosition
// with -1. Internal to the library.
class TFileStream : public TAbstractStream {
public:
  // Opens or creates the named file: disposition, access and share mode as CreateFileA takes them
  // (OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ ...).
  TFileStream(const KString& name, DWORD disposition, DWORD access, DWORD shareMode);
  // A stream on its own duplicate of the handle; the caller keeps its handle.
  explicit TFileStream(HANDLE handle);
  // A stream on a duplicate of the other's handle: the two share one file position.
  TFileStream(const TFileStream& other);
  TFileStream& operator=(const TFileStream&) = delete;
  ~TFileStream() override;

  // Writes count bytes: E_STREAM_SHORTWRITE when fewer were written. flush is not used. A negative
  // count counts as 0.
  LONG Write(const unsigned char* data, LONG count, bool flush) override;
  // Reads up to count bytes: S_STREAM_END when fewer were read. A negative count counts as 0.
  LONG Read(unsigned char* data, LONG count, LONG* done) override;
  // Moves by a signed 32-bit offset from the start (0), the end (2) or the position (other).
  LONG Seek(LONG offset, int origin) override;
  LONG GetPosition() override;

  // 0, or the HRESULT of the system's error when the open failed.
  LONG OpenStatus() const { return m_openStatus; }

private:
  void Duplicate(HANDLE handle);

  HANDLE m_handle;
  LONG m_openStatus = 0;
};
