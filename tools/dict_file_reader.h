#pragma once

// A dictionary file read block by block as the library reads it, so that the dict commands hold a
// block of it at a time rather than the whole file.

#include <cstdio>
#include <string>

namespace corekit::tool {

class DictFileReader {
public:
  // Reads blocks of blockSize bytes.
  explicit DictFileReader(std::size_t blockSize = 1 << 20) : m_blockSize(blockSize) {}
  ~DictFileReader();
  DictFileReader(const DictFileReader&) = delete;
  DictFileReader& operator=(const DictFileReader&) = delete;

  // Opens the file; false when it cannot be opened or read (a folder).
  bool Open(const std::string& path);

  // Appends the next block of the text to text, in text mode (each CR LF pair read as LF) up to
  // the first zero or 0x1A byte, where the library stops reading; false at the end of the text.
  bool Read(std::string& text);

  // The line of the zero byte that ended the text, or 0.
  int ZeroByteLine() const { return m_zeroLine; }

  // The line of a 0x1A byte that ended the text before more than blanks, or 0. Known once Read
  // has returned false.
  int EndOfFileByteLine() const { return m_endOfFileLine; }

private:
  bool Fill();

  std::size_t m_blockSize;
  std::FILE* m_file = nullptr;
  std::string m_block;    // bytes read, not yet handed on
  bool m_ended = false;   // the text has ended (end of file, a zero or 0x1A byte)
  bool m_heldCR = false;  // a CR at the end of the last block, whose LF may come next
  int m_line = 1;         // the line of the next byte handed on
  int m_zeroLine = 0;
  int m_endOfFileLine = 0;
};

}  // namespace corekit::tool
