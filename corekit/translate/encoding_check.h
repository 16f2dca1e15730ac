#pragma once

// Checks the bytes of a dictionary against an encoding given by name, whatever the process's own
// encoding, for programs that check dictionaries written for another system.

#include <cstddef>
#include <memory>

#include "corekit/export.h"

// An encoding given by name: "UTF-8", "GBK", "cp1252", "windows-1252", "ISO-8859-1", "latin1",
// "Shift_JIS", or a Windows code page number such as "936" or "1252".
class COREKIT_API TEncodingCheck {
public:
  // Looks the encoding up by name; Known() tells whether the system has it.
  explicit TEncodingCheck(const char* name);
  ~TEncodingCheck();
  TEncodingCheck(const TEncodingCheck&) = delete;
  TEncodingCheck& operator=(const TEncodingCheck&) = delete;

  // False when the system knows no encoding of that name.
  bool Known() const;

  // The offset of the first byte of text[0, size) that starts no valid character of the encoding,
  // or size when all are valid. Undefined bytes of a Windows code page count as invalid (in
  // cp1252 0x81, 0x8D, 0x8F, 0x90 and 0x9D), as do a lead byte without its trail or a bad trail
  // (GBK "\x81" or "\x81\x7F") and UTF-8's overlong forms, surrogates and cut sequences.
  // TEncodingCheck("cp1252").InvalidAt("ab\x81", 3) is 2.
  std::size_t InvalidAt(const char* text, std::size_t size) const;

private:
  struct Encoding;
  std::unique_ptr<Encoding> m_encoding;
};
