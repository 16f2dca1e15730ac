#include "corekit/platform/multibyte_text.h"

#include <mbstring.h>

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

}  // namespace corekit::platform
