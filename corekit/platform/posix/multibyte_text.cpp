#include "corekit/platform/multibyte_text.h"

#include <langinfo.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace corekit::platform {
namespace {

// True when no byte below 0x80 can be part of a longer character: single-byte encodings and UTF-8.
// Then the searches are plain byte searches. (Double-byte encodings such as Shift-JIS or GBK have
// trail bytes in the ASCII range and are walked character by character.)
bool AsciiBytesAreCharacters() noexcept {
  if (MB_CUR_MAX == 1) return true;
  const char* const codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "UTF-8") == 0;
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

}  // namespace corekit::platform
