#pragma once

#include <memory>
#include <vector>

#include "corekit/platform/types.h"
#include "corekit/streams/abstract_stream.h"

// A growable stream in memory, held in blocks of a fixed size. The blocks are allocated in runs
// that double (1, 2, 4, ... blocks), so a large stream takes few allocations and is never copied.
// Writing or seeking (from the end or the position) past the end extends it; gaps read as zero
// bytes. It never fails and never shrinks. Internal to the library.
class TMemoryStream : public TAbstractStream {
public:
  // An empty stream with blocks of blockSize bytes (positive).
  explicit TMemoryStream(LONG blockSize);
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;
  ~TMemoryStream() override;

  LONG Write(const unsigned char* data, LONG count, bool flush) override;
  // Delivers what lies between the position and the end, up to count bytes; always 0 (the count
  // delivered tells of the end).
  LONG Read(unsigned char* data, LONG count, LONG* done) override;
  // From the start the position stays within 0 to the size; from the end or the position it may
  // extend the stream, and below 0 it stops at 0.
  LONG Seek(LONG offset, int origin) override;
  LONG GetPosition() override;

  // The stream's length in bytes.
  LONG GetSize() const { return m_size; }

private:
  // The block holding the byte at the position; the runs up to its own are made. New runs are not
  // cleared: bytes from m_filled on have never been written or filled.
  unsigned char* BlockAt(LONG position);
  // Writes zeros from m_filled up to end, so that gaps read as zero bytes.
  void FillTo(long long end);

  std::vector<std::unique_ptr<unsigned char[]>> m_runs;  // run k holds 2^k blocks
  LONG m_size = 0;
  LONG m_position = 0;
  LONG m_filled = 0;  // the bytes before it are written or zero-filled
  LONG m_blockSize;
};
