#pragma once

#include <memory>

#include "corekit/platform/types.h"
#include "corekit/streams/abstract_stream.h"

// A buffer in front of another stream, for writing or for reading. Writes pass on whole buffers,
// and everything at a write with flush; the inner stream is always told to flush. Reads refill the
// buffer from the inner stream. Internal to the library.
//
// Two rules keep the inner stream in step with the caller: a seek from the current position
// counts from the caller's position, not from the inner stream's, which is ahead by the bytes read
// into the buffer and not yet handed out; and bytes read are never written back: writing after
// reading first moves the inner stream back to the caller's position, and the destructor passes on
// only bytes that were written. Bytes written and not yet passed on are dropped by Seek.
class TBufferedStream : public TAbstractStream {
public:
  // A buffer of bufferSize bytes over inner, which it destroys when ownsInner. Without a buffer
  // (a size below 1, or no memory for it) reads and writes go straight to the inner stream.
  TBufferedStream(TAbstractStream* inner, bool ownsInner, LONG bufferSize);
  TBufferedStream(const TBufferedStream&) = delete;
  TBufferedStream& operator=(const TBufferedStream&) = delete;
  // Passes on the bytes written and not yet passed on, then destroys the inner stream if it owns
  // it.
  ~TBufferedStream() override;

  // Fills the buffer and passes it on when full, and everything pending with flush; the first
  // negative result of the inner stream is returned (the buffered bytes are gone then).
  LONG Write(const unsigned char* data, LONG count, bool flush) override;
  // S_STREAM_END when the inner stream ended before count bytes; its errors are passed on.
  LONG Read(unsigned char* data, LONG count, LONG* done) override;
  // Empties the buffer and seeks the inner stream.
  LONG Seek(LONG offset, int origin) override;

private:
  // The unread bytes of a read buffer are dropped and the inner stream moved back over them.
  void DropReadAhead();

  TAbstractStream* m_inner;
  bool m_ownsInner;
  struct Buffer {
    std::unique_ptr<unsigned char[]> data;
    LONG capacity;
    LONG position;  // the next byte to fill or hand out
    LONG fill;      // the valid bytes when reading
  };
  Buffer m_buffer;
  bool m_reading = false;  // the buffer holds bytes read from the inner stream
};
