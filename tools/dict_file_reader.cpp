#include "tools/dict_file_reader.h"

#include <algorithm>
#include <cstring>

namespace corekit::tool {

DictFileReader::~DictFileReader() {
  if (m_file != nullptr) std::fclose(m_file);
}

bool DictFileReader::Open(const std::string& path) {
  m_file = std::fopen(path.c_str(), "rb");
  // A folder opens but cannot be read.
  return m_file != nullptr && Fill();
}

// Reads the next block; false when reading failed.
bool DictFileReader::Fill() {
  m_block.resize(m_blockSize);
  m_block.resize(std::fread(m_block.data(), 1, m_blockSize, m_file));
  return std::ferror(m_file) == 0;
}

bool DictFileReader::Read(std::string& text) {
  if (m_ended) return false;
  if (m_block.empty() && (!Fill() || m_block.empty())) {
    if (m_heldCR) text += '\r';
    m_heldCR = false;
    m_ended = true;
    return false;
  }
  const std::size_t start = text.size();
  if (m_heldCR && m_block.front() != '\n') text += '\r';
  m_heldCR = false;
  // The text ends at the first zero or 0x1A byte.
  const std::size_t stop = std::min(m_block.find('\0'), m_block.find('\x1A'));
  const std::size_t size = std::min(stop, m_block.size());
  // Each CR LF pair becomes LF; a CR at the end of the block waits for the next one.
  for (std::size_t at = 0; at < size; ++at) {
    const char c = m_block[at];
    if (c == '\r' && (at + 1 < size ? m_block[at + 1] == '\n' : stop == std::string::npos)) {
      m_heldCR = at + 1 == size;
      continue;
    }
    text += c;
  }
  m_line += static_cast<int>(
      std::count(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), '\n'));
  if (stop == std::string::npos) {
    m_block.clear();
    return true;
  }
  m_ended = true;
  if (m_block[stop] == '\0') {
    m_zeroLine = m_line;
    return true;
  }
  // A 0x1A byte counts when text other than blanks follows it.
  m_block.erase(0, stop);
  do {
    if (m_block.find_first_not_of(" \t\r\n\x1A") != std::string::npos) {
      m_endOfFileLine = m_line;
      break;
    }
  } while (Fill() && !m_block.empty());
  return true;
}

}  // namespace corekit::tool
