#include "corekit/platform/named_encoding.h"

#include "corekit/platform/types.h"

namespace corekit::platform {

// The code page of the name and the longest character it has.
struct NamedEncoding::System {
  UINT codePage = 0;
  UINT maxCharSize = 0;
};

namespace {

// True when the system reads the bytes as characters; MB_ERR_INVALID_CHARS refuses undefined
// bytes, stray trail bytes and lead bytes without their trail.
bool Converts(UINT codePage, const char* text, std::size_t size) {
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, static_cast<int>(size), nullptr,
                             0) != 0;
}

}  // namespace

NamedEncoding::NamedEncoding(const char* name) noexcept : m_system(new System) {
  const UINT codePage = CodePageOfEncodingName(name);
  CPINFO info;
  if (codePage == 0 || !IsValidCodePage(codePage) || !GetCPInfo(codePage, &info)) return;
  m_system->codePage = codePage;
  m_system->maxCharSize = info.MaxCharSize;
}

NamedEncoding::~NamedEncoding() = default;

bool NamedEncoding::Known() const noexcept { return m_system->codePage != 0; }

bool NamedEncoding::SingleByte() const noexcept { return m_system->maxCharSize == 1; }

int NamedEncoding::ByteCharacter(unsigned char byte) noexcept {
  if (!SingleByte()) return -1;
  const char text = static_cast<char>(byte);
  WCHAR character[2];
  const int length =
      MultiByteToWideChar(m_system->codePage, MB_ERR_INVALID_CHARS, &text, 1, character, 2);
  return length == 1 ? static_cast<int>(character[0]) : -1;
}

std::size_t NamedEncoding::InvalidAt(const char* text, std::size_t size) noexcept {
  if (!Known()) return 0;
  const UINT codePage = m_system->codePage;
  // Most texts are valid: one call for all of it, in pieces that an int can count.
  constexpr std::size_t Piece = 1 << 30;
  if (size <= Piece && (size == 0 || Converts(codePage, text, size))) return size;
  // Character by character, so that the offset of the bad one is known: a double-byte code page
  // says which bytes lead; in others (UTF-8, GB18030) a character is the shortest run that
  // converts.
  for (std::size_t at = 0; at < size;) {
    std::size_t length = 0;
    if (m_system->maxCharSize == 2) {
      length = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])) ? 2 : 1;
      if (at + length > size || !Converts(codePage, text + at, length)) return at;
    } else {
      for (std::size_t trial = 1; trial <= m_system->maxCharSize && at + trial <= size; ++trial) {
        if (Converts(codePage, text + at, trial)) {
          length = trial;
          break;
        }
      }
      if (length == 0) return at;
    }
    at += length;
  }
  return size;
}

}  // namespace corekit::platform
