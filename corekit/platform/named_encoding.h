#pragma once

// Bytes checked against an encoding given by its name, whatever the process's own encoding: an ICU
// converter on POSIX, a Windows code page on Windows. Names are those of the encodings ("UTF-8",
// "GBK", "cp1252", "windows-1252", "ISO-8859-1", "latin1", "Shift_JIS") or a Windows code page
// number ("936", "1252", "65001").

#include <cstddef>
#include <memory>
#include <string>

namespace corekit::platform {

class NamedEncoding {
public:
  explicit NamedEncoding(const char* name) noexcept;
  ~NamedEncoding();
  NamedEncoding(const NamedEncoding&) = delete;
  NamedEncoding& operator=(const NamedEncoding&) = delete;

  // False when the system knows no encoding of that name; the other calls then find nothing valid.
  bool Known() const noexcept;

  // True when every character is one byte.
  bool SingleByte() const noexcept;

  // The character (a Unicode code point) of one byte of a single-byte encoding, or -1 when the
  // encoding gives the byte no character.
  int ByteCharacter(unsigned char byte) noexcept;

  // The offset of the first byte of text[0, size) that starts no valid character (a stray or cut
  // sequence, a bad trail byte, a byte the encoding leaves undefined), or size when all are valid.
  std::size_t InvalidAt(const char* text, std::size_t size) noexcept;

private:
  struct System;
  std::unique_ptr<System> m_system;
};

// The Windows code page of an encoding name, the inverse of CodePageEncodingName: "GBK" and "cp936"
// give 936, "ISO-8859-2" 28592, "UTF-8" 65001, "1252" 1252. Case, "-" and "_" do not count. 0 for
// a name it does not know.
unsigned CodePageOfEncodingName(const char* name) noexcept;

// The encoding name of a Windows code page, as ICU knows it: 936 gives "GBK", 28592 "ISO-8859-2",
// 1252 "cp1252".
std::string CodePageEncodingName(unsigned codePage);

}  // namespace corekit::platform
