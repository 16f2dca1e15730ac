#include "corekit/platform/named_encoding.h"

#include <unicode/ucnv.h>

#include <string>

namespace corekit::platform {

// An ICU converter that stops at the first byte sequence it cannot read.
struct NamedEncoding::System {
  UConverter* converter = nullptr;
  ~System() {
    if (converter != nullptr) ucnv_close(converter);
  }
};

namespace {

bool OnlyDigits(const char* name) {
  if (*name == '\0') return false;
  for (; *name != '\0'; ++name) {
    if (*name < '0' || *name > '9') return false;
  }
  return true;
}

}  // namespace

NamedEncoding::NamedEncoding(const char* name) noexcept : m_system(new System) {
  if (*name == '\0') return;  // ICU's name of the default encoding
  // ICU knows code pages by names ("cp936"), not by their numbers alone.
  const std::string icuName =
      OnlyDigits(name) ? CodePageEncodingName(CodePageOfEncodingName(name)) : std::string(name);
  UErrorCode status = U_ZERO_ERROR;
  UConverter* const converter = ucnv_open(icuName.c_str(), &status);
  if (U_FAILURE(status)) return;
  ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) {
    ucnv_close(converter);
    return;
  }
  m_system->converter = converter;
}

NamedEncoding::~NamedEncoding() = default;

bool NamedEncoding::Known() const noexcept { return m_system->converter != nullptr; }

bool NamedEncoding::SingleByte() const noexcept {
  return Known() && ucnv_getMaxCharSize(m_system->converter) == 1 &&
         ucnv_getMinCharSize(m_system->converter) == 1;
}

int NamedEncoding::ByteCharacter(unsigned char byte) noexcept {
  if (!SingleByte()) return -1;
  const char text = static_cast<char>(byte);
  UChar character[2];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(m_system->converter);
  const int length = ucnv_toUChars(m_system->converter, character, 2, &text, 1, &status);
  return U_SUCCESS(status) && length == 1 ? static_cast<int>(character[0]) : -1;
}

std::size_t NamedEncoding::InvalidAt(const char* text, std::size_t size) noexcept {
  if (!Known()) return 0;
  UConverter* const converter = m_system->converter;
  ucnv_reset(converter);
  const char* source = text;
  const char* const end = text + size;
  UChar buffer[1024];
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    UChar* target = buffer;
    ucnv_toUnicode(converter, &target, buffer + std::size(buffer), &source, end, nullptr, true,
                   &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) continue;
    if (U_SUCCESS(status)) return size;
    // The source stops after the bytes that could not be read.
    char invalid[32];
    int8_t length = sizeof invalid;
    UErrorCode ignored = U_ZERO_ERROR;
    ucnv_getInvalidChars(converter, invalid, &length, &ignored);
    if (U_FAILURE(ignored)) length = 0;
    return static_cast<std::size_t>(source - text) - static_cast<std::size_t>(length);
  }
}

}  // namespace corekit::platform
