#include "corekit/streams/buffered_stream.h"

#include <algorithm>
#include <cstring>
#include <new>

TBufferedStream::TBufferedStream(TAbstractStream* inner, bool ownsInner, LONG bufferSize)
    : m_inner(inner), m_ownsInner(ownsInner), m_buffer{nullptr, 0, 0, 0} {
  if (bufferSize > 0) {
    m_buffer.data.reset(new (std::nothrow) unsigned char[static_cast<std::size_t>(bufferSize)]);
    if (m_buffer.data != nullptr) m_buffer.capacity = bufferSize;
  }
}

TBufferedStream::~TBufferedStream() {
  if (!m_reading) Write(nullptr, 0, true);
  m_buffer.data.reset();
  if (m_ownsInner) delete m_inner;
}

void TBufferedStream::DropReadAhead() {
  const LONG unread = m_buffer.fill - m_buffer.position;
  m_buffer.position = m_buffer.fill = 0;
  m_reading = false;
  if (unread > 0) m_inner->Seek(-unread, 1);
}

LONG TBufferedStream::Write(const unsigned char* data, LONG count, bool flush) {
  if (m_reading) DropReadAhead();
  if (m_buffer.capacity == 0) return count > 0 ? m_inner->Write(data, count, true) : 0;
  while (true) {
    if (count > 0) {
      const LONG n = std::min(count, m_buffer.capacity - m_buffer.position);
      std::memcpy(m_buffer.data.get() + m_buffer.position, data, static_cast<std::size_t>(n));
      m_buffer.position += n;
      m_buffer.fill += n;
      data += n;
      count -= n;
    }
    if (m_buffer.position == m_buffer.capacity || (flush && m_buffer.position > 0)) {
      const LONG result = m_inner->Write(m_buffer.data.get(), m_buffer.position, true);
      m_buffer.position = m_buffer.fill = 0;  // also after a failed write
      if (result < 0) return result;
    }
    if (count <= 0) return 0;
  }
}

LONG TBufferedStream::Read(unsigned char* data, LONG count, LONG* done) {
  if (!m_reading && m_buffer.position > 0) {
    const LONG result = Write(nullptr, 0, true);  // written bytes go first
    if (result < 0) return result;
  }
  m_reading = true;
  *done = 0;
  if (m_buffer.capacity == 0) {
    const LONG result = count > 0 ? m_inner->Read(data, count, done) : 0;
    if (result < 0) return result;
    return *done < count ? S_STREAM_END : 0;
  }
  while (count - *done > 0) {
    bool innerEnded = false;
    if (m_buffer.position == m_buffer.fill) {
      m_buffer.position = m_buffer.fill = 0;
      const LONG result = m_inner->Read(m_buffer.data.get(), m_buffer.capacity, &m_buffer.fill);
      if (result < 0) return result;
      innerEnded = m_buffer.fill < m_buffer.capacity;
    }
    const LONG n = std::min(count - *done, m_buffer.fill - m_buffer.position);
    std::memcpy(data, m_buffer.data.get() + m_buffer.position, static_cast<std::size_t>(n));
    data += n;
    *done += n;
    m_buffer.position += n;
    if (innerEnded) break;
  }
  return *done < count ? S_STREAM_END : 0;
}

LONG TBufferedStream::Seek(LONG offset, int origin) {
  const LONG unread = m_reading ? m_buffer.fill - m_buffer.position : 0;
  m_buffer.position = m_buffer.fill = 0;
  m_reading = false;
  if (origin == 0 || origin == 2 || unread == 0) return m_inner->Seek(offset, origin);
  // From the position the inner stream is ahead by the unread bytes. When the offset does not fit
  // a LONG together with them, the inner stream first moves back over them.
  if (offset >= -0x7FFFFFFF - 1 + unread) return m_inner->Seek(offset - unread, origin);
  const LONG result = m_inner->Seek(-unread, origin);
  return result < 0 ? result : m_inner->Seek(offset, origin);
}
