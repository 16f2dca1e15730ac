#include "corekit/translate/encoding_check.h"

#include "corekit/platform/named_encoding.h"

// The system's encoding and, for a single-byte one, whether each byte is a character.
struct TEncodingCheck::Encoding {
  explicit Encoding(const char* name) : system(name) {}
  corekit::platform::NamedEncoding system;
  bool singleByte = false;
  bool validByte[256] = {};
};

TEncodingCheck::TEncodingCheck(const char* name) : m_encoding(std::make_unique<Encoding>(name)) {
  corekit::platform::NamedEncoding& system = m_encoding->system;
  if (!system.SingleByte()) return;
  m_encoding->singleByte = true;
  // Windows code pages (and ICU's tables of them) read a byte they leave undefined as the C1
  // control of the same number; a code page that puts a character at 0x80 has no C1 block, so
  // such a byte there is a gap. The ISO 8859 encodings define the C1 block and keep it.
  const bool c1Block = system.ByteCharacter(0x80) == 0x80;
  for (unsigned byte = 0; byte < 256; ++byte) {
    const int character = system.ByteCharacter(static_cast<unsigned char>(byte));
    const bool gap =
        !c1Block && byte >= 0x80 && byte <= 0x9F && character == static_cast<int>(byte);
    m_encoding->validByte[byte] = character >= 0 && !gap;
  }
}

TEncodingCheck::~TEncodingCheck() = default;

bool TEncodingCheck::Known() const { return m_encoding->system.Known(); }

std::size_t TEncodingCheck::InvalidAt(const char* text, std::size_t size) const {
  if (!m_encoding->singleByte) return m_encoding->system.InvalidAt(text, size);
  for (std::size_t at = 0; at < size; ++at) {
    if (!m_encoding->validByte[static_cast<unsigned char>(text[at])]) return at;
  }
  return size;
}
