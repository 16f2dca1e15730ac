#pragma once

// The characters of a text as the bytes that streams and values take.
inline const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}
