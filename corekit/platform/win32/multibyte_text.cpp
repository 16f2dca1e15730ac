#include "corekit/platform/multibyte_text.h"

#include <mbctype.h>
#include <mbstring.h>

#include "corekit/platform/types.h"

namespace corekit::platform {
namespace {

const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}
const char* Chars(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

}  // namespace

const char* MultibyteFind(const char* text, char c) noexcept {
  return Chars(_mbschr(Bytes(text), static_cast<unsigned char>(c)));
}

const char* MultibyteFindLast(const char* text, char c) noexcept {
  return Chars(_mbsrchr(Bytes(text), static_cast<unsigned char>(c)));
}

const char* MultibyteFindAny(const char* text, const char* set) noexcept {
  return Chars(_mbspbrk(Bytes(text), Bytes(set)));
}

const char* MultibytePrevious(const char* start, const char* position) noexcept {
  return Chars(_mbsdec(Bytes(start), Bytes(position)));
}

// The code page of the searches above, the C runtime's multibyte one (the ANSI code page unless
// the program chose another). Each character is converted alone, so that the offset of a bad one
// is known; the system refuses undefined bytes and lead bytes without a trail.
std::size_t MultibyteInvalidAt(const char* text, std::size_t size) noexcept {
  const int runtimeCodePage = _getmbcp();
  const UINT codePage = runtimeCodePage != 0 ? static_cast<UINT>(runtimeCodePage) : GetACP();
  for (std::size_t at = 0; at < size;) {
    const int length = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])) ? 2 : 1;
    if (at + static_cast<std::size_t>(length) > size ||
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text + at, length, nullptr, 0) == 0) {
      return at;
    }
    at += static_cast<std::size_t>(length);
  }
  return size;
}

}  // namespace corekit::platform
