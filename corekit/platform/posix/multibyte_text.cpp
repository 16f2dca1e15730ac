#include "corekit/platform/multibyte_text.h"

#include <langinfo.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace corekit::platform {
namespace {

// How the current encoding relates ASCII bytes to characters. In single-byte encodings and UTF-8 no
// byte below 0x80 is part of a longer character, so the searches are plain byte searches.
// Double-byte encodings such as Shift-JIS or GBK have trail bytes in the ASCII range and are walked
// character by character.
enum class Encoding { SingleByte, Utf8, Other };

// The plain "C" locale (ASCII) counts as UTF-8, as the library's texts do.
Encoding CurrentEncoding() noexcept {
  const char* const codeset = nl_langinfo(CODESET);
  if (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) {
    return Encoding::Utf8;
  }
  return MB_CUR_MAX == 1 ? Encoding::SingleByte : Encoding::Other;
}

bool AsciiBytesAreCharacters() noexcept { return CurrentEncoding() != Encoding::Other; }

// The start of the UTF-8 character that ends just before position: back over up to three
// continuation bytes to a lead byte whose length reaches position; otherwise the byte before
// position stands alone, as an invalid byte does in the character walk.
const char* Utf8Previous(const char* start, const char* position) noexcept {
  const char* p = position - 1;
  std::size_t continuations = 0;
  while (p > start && continuations < 3 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80) {
    --p;
    ++continuations;
  }
  const unsigned char lead = static_cast<unsigned char>(*p);
  const std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
  return length == continuations + 1 ? p : position - 1;
}

// The offset of the first byte that starts no well-formed UTF-8 character (no overlong form, no
// surrogate, nothing above U+10FFFF), or size.
std::size_t Utf8InvalidAt(const char* text, std::size_t size) noexcept {
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text);
  for (std::size_t at = 0; at < size;) {
    const unsigned lead = bytes[at];
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || size - at < length) return at;
    // The second byte's range depends on the lead; the others are plain continuation bytes.
    const unsigned second = length > 1 ? bytes[at + 1] : 0x80;
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) return at;
    for (std::size_t i = 2; i < length; ++i) {
      if ((bytes[at + i] & 0xC0) != 0x80) return at;
    }
    at += length;
  }
  return size;
}

// The length in bytes of the character at text (at least 1; 0 only at the terminating NUL). A byte
// that starts no valid character counts as one character.
std::size_t CharLength(const char* text, std::mbstate_t& state) noexcept {
  if (*text == '\0') return 0;
  const std::size_t length = std::mbrlen(text, strnlen(text, MB_LEN_MAX), &state);
  if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2) ||
      length == 0) {
    state = std::mbstate_t{};
    return 1;
  }
  return length;
}

// The first character of text for which match(byte) holds, single-byte characters only, or null.
template <typename Match>
const char* FindFirst(const char* text, Match match) noexcept {
  std::mbstate_t state{};
  for (std::size_t length = CharLength(text, state); length != 0;
       length = CharLength(text, state)) {
    if (length == 1 && match(*text)) return text;
    text += length;
  }
  return nullptr;
}

}  // namespace

const char* MultibyteFind(const char* text, char c) noexcept {
  if (c == '\0') return text + std::strlen(text);
  if (AsciiBytesAreCharacters()) return std::strchr(text, c);
  return FindFirst(text, [c](char byte) { return byte == c; });
}

const char* MultibyteFindLast(const char* text, char c) noexcept {
  if (AsciiBytesAreCharacters()) return std::strrchr(text, c);
  const char* last = nullptr;
  for (const char* found = MultibyteFind(text, c); found != nullptr && *found != '\0';
       found = MultibyteFind(found + 1, c)) {
    last = found;
  }
  return c == '\0' ? text + std::strlen(text) : last;
}

const char* MultibyteFindAny(const char* text, const char* set) noexcept {
  if (AsciiBytesAreCharacters()) return std::strpbrk(text, set);
  return FindFirst(text, [set](char byte) { return std::strchr(set, byte) != nullptr; });
}

const char* MultibytePrevious(const char* start, const char* position) noexcept {
  if (position <= start) return nullptr;
  switch (CurrentEncoding()) {
    case Encoding::SingleByte:
      return position - 1;
    case Encoding::Utf8:
      return Utf8Previous(start, position);
    case Encoding::Other:
      break;
  }
  // Characters are only known from the start of the text: walk forward to the last one that
  // begins before position.
  std::mbstate_t state{};
  const char* previous = start;
  for (const char* p = start; p < position;) {
    previous = p;
    const std::size_t length = CharLength(p, state);
    p += length == 0 ? 1 : length;
  }
  return previous;
}

std::size_t MultibyteInvalidAt(const char* text, std::size_t size) noexcept {
  if (CurrentEncoding() == Encoding::Utf8) return Utf8InvalidAt(text, size);
  std::mbstate_t state{};
  for (std::size_t at = 0; at < size;) {
    const std::size_t length = std::mbrlen(text + at, size - at, &state);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
      return at;
    }
    at += length == 0 ? 1 : length;
  }
  return size;
}

}  // namespace corekit::platform
