#pragma once

#include <memory>
#include <vector>

#include "corekit/platform/types.h"
#include "corekit/streams/abstract_stream.h"

// A growable stream in memory, held in blocks of a fixed size. The blocks are allocated in runs
// that double (1, 2, 4, ... blocks), so a large stream takes few allocations and is never copied.
// Writing or seeking (from the end or the position) past the end extends it; gaps read as zero
// bytes. It never shrinks, holds at most 0x7FFFFFFF bytes (the largest LONG position), and fails
// only when memory is short or that size is reached. Internal to the library.
class TMemoryStream : public TAbstractStream {
public:
  // An empty stream with blocks of blockSize bytes; a size below 1 counts as 1.
  explicit TMemoryStream(LONG blockSize);
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;
  ~TMemoryStream() override;

  // Writes count bytes (none for a count of 0 or less): 0, or E_STREAM_SHORTWRITE when memory for a
  // block runs out or the bytes would reach past the largest position; the bytes before that block
  // or that position are written.
  LONG Write(const unsigned char* data, LONG count, bool flush) override;
  // Delivers what lies between the position and the end, up to count bytes (none for a count of 0
  // or less), and stops before a block that memory cannot be found for; always 0 (the count
  // delivered tells of the end).
  LONG Read(unsigned char* data, LONG count, LONG* done) override;
  // From the start the position stays within 0 to the size; from the end or the position it may
  // extend the stream, and it stops at 0 below and at the largest position above.
  LONG Seek(LONG offset, int origin) override;
  LONG GetPosition() override;

  // The stream's length in bytes.
  LONG GetSize() const { return m_size; }

private:
  static constexpr LONG MaxSize = 0x7FFFFFFF;

  // The block holding the byte at the position; the runs up to its own are made (null when memory
  // is short). New runs are not cleared: bytes from m_filled on have never been written or filled.
  unsigned char* BlockAt(LONG position);
  // Writes zeros from m_filled up to end, so that gaps read as zero bytes; false when a block
  // cannot be made.
  bool FillTo(long long end);

  std::vector<std::unique_ptr<unsigned char[]>> m_runs;  // run k holds 2^k blocks
  LONG m_size = 0;
  LONG m_position = 0;
  LONG m_filled = 0;  // the bytes before it are written or zero-filled
  LONG m_blockSize;
};
