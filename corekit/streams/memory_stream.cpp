#include "corekit/streams/memory_stream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

TMemoryStream::TMemoryStream(LONG blockSize) : m_blockSize(std::max<LONG>(blockSize, 1)) {}

TMemoryStream::~TMemoryStream() = default;

unsigned char* TMemoryStream::BlockAt(LONG position) {
  // Block i lies in run k = floor(log2(i + 1)), at i + 1 - 2^k blocks from the run's start.
  const auto index = static_cast<std::size_t>(position / m_blockSize) + 1;
  const auto run = static_cast<std::size_t>(std::bit_width(index) - 1);
  const auto blockBytes = static_cast<std::size_t>(m_blockSize);
  while (m_runs.size() <= run) {
    unsigned char* bytes = new (std::nothrow) unsigned char[blockBytes << m_runs.size()];
    if (bytes == nullptr) return nullptr;
    m_runs.emplace_back(bytes);
  }
  return m_runs[run].get() + (index - (std::size_t{1} << run)) * blockBytes;
}

bool TMemoryStream::FillTo(long long end) {
  while (m_filled < end) {
    const LONG offset = m_filled % m_blockSize;
    const LONG n = static_cast<LONG>(std::min<long long>(end - m_filled, m_blockSize - offset));
    unsigned char* block = BlockAt(m_filled);
    if (block == nullptr) return false;
    std::memset(block + offset, 0, static_cast<std::size_t>(n));
    m_filled += n;
  }
  return true;
}

LONG TMemoryStream::Write(const unsigned char* data, LONG count, bool) {
  if (count <= 0) return 0;
  // Only the bytes up to the largest position fit; with none, no gap is filled for them.
  const bool cut = count > MaxSize - m_position;
  if (cut) count = MaxSize - m_position;
  if (count == 0) return E_STREAM_SHORTWRITE;
  if (!FillTo(m_position)) return E_STREAM_SHORTWRITE;  // a gap before the written bytes
  while (count > 0) {
    const LONG offset = m_position % m_blockSize;
    const LONG n = std::min(count, m_blockSize - offset);
    unsigned char* block = BlockAt(m_position);
    if (block == nullptr) break;
    std::memcpy(block + offset, data, static_cast<std::size_t>(n));
    data += n;
    m_position += n;
    count -= n;
    m_size = std::max(m_size, m_position);
  }
  m_filled = std::max(m_filled, m_position);
  return count > 0 || cut ? E_STREAM_SHORTWRITE : 0;
}

LONG TMemoryStream::Read(unsigned char* data, LONG count, LONG* done) {
  *done = 0;
  if (count <= 0 || m_position >= m_size) return 0;  // nothing to read: no gap is filled
  FillTo(std::min<long long>(m_size, static_cast<long long>(m_position) + count));
  // Bytes from m_filled on lie in blocks that could not be made.
  const LONG end = std::min(m_size, m_filled);
  while (m_position < end && *done < count) {
    const LONG offset = m_position % m_blockSize;
    const LONG n = std::min({count - *done, m_blockSize - offset, end - m_position});
    std::memcpy(data, BlockAt(m_position) + offset, static_cast<std::size_t>(n));
    data += n;
    *done += n;
    m_position += n;
  }
  return 0;
}

LONG TMemoryStream::Seek(LONG offset, int origin) {
  // 64-bit sums: an offset near the limits of LONG must not overflow.
  long long position = 0;
  switch (origin) {
    case 0:
      position = std::clamp<long long>(offset, 0, m_size);
      break;
    case 2:
      position = std::max<long long>(static_cast<long long>(m_size) + offset, 0);
      break;
    default:
      position = std::max<long long>(static_cast<long long>(m_position) + offset, 0);
      break;
  }
  m_position = static_cast<LONG>(std::min<long long>(position, MaxSize));
  m_size = std::max(m_size, m_position);
  return 0;
}

LONG TMemoryStream::GetPosition() { return m_position; }
