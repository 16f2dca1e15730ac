#include "corekit/platform/posix/icu_text.h"

#include <langinfo.h>
#include <unicode/ucnv.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

namespace corekit::platform::posix {
namespace {

const char* FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return nullptr;
}

bool IsUtf8(const std::string& encoding) { return encoding == "UTF-8" || encoding == "utf8"; }

// True when ICU holds locale data for the language ("de", "zh"); a language it lacks would fall
// to ICU's root data, whose month names are "M06" and dates "2005-06-15".
bool HasLanguageData(const char* language) {
  static const std::set<std::string> languages = [] {
    std::set<std::string> found;
    const int32_t count = uloc_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
      char name[ULOC_LANG_CAPACITY];
      UErrorCode status = U_ZERO_ERROR;
      uloc_getLanguage(uloc_getAvailable(i), name, sizeof name, &status);
      if (U_SUCCESS(status) && status != U_STRING_NOT_TERMINATED_WARNING) found.insert(name);
    }
    return found;
  }();
  return languages.count(language) != 0;
}

struct ConverterCloser {
  void operator()(UConverter* converter) const noexcept { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter for the encoding that writes '?' for what the encoding cannot hold; null when ICU
// does not know the encoding.
Converter OpenConverter(const std::string& encoding) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(encoding.c_str(), &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setSubstChars(converter.get(), "?", 1, &status);
  return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// Bytes as ISO-8859-1, for an encoding that ICU does not know: each byte keeps a character.
icu::UnicodeString FromLatin1(const std::string& text) {
  icu::UnicodeString result;
  for (const char c : text) result.append(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace

icu::Locale UserLocale(LocaleUse use) {
  const char* value =
      FirstSet({"LC_ALL", use == LocaleUse::Messages ? "LC_MESSAGES" : "LC_TIME", "LANG"});
  if (value == nullptr || std::strcmp(value, "C") == 0 || std::strcmp(value, "POSIX") == 0 ||
      std::strncmp(value, "C.", 2) == 0) {
    return icu::Locale("en_US");
  }
  // "de_DE.UTF-8@euro" names the locale de_DE.
  std::string name(value);
  name = name.substr(0, name.find_first_of(".@"));
  icu::Locale locale(name.c_str());
  if (locale.isBogus() || !HasLanguageData(locale.getLanguage())) return icu::Locale("en_US");
  return locale;
}

std::string ProcessEncoding() {
  const char* codeset = nl_langinfo(CODESET);
  if (codeset == nullptr || *codeset == '\0' || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) {
    return "UTF-8";
  }
  return codeset;
}

std::string ToProcessEncoding(const icu::UnicodeString& text) {
  const std::string encoding = ProcessEncoding();
  std::string result;
  if (IsUtf8(encoding)) return text.toUTF8String(result);
  Converter converter = OpenConverter(encoding);
  if (!converter) return text.toUTF8String(result);
  // Measure with a null destination, then convert into a buffer of that size.
  UErrorCode status = U_ZERO_ERROR;
  const int32_t size =
      ucnv_fromUChars(converter.get(), nullptr, 0, text.getBuffer(), text.length(), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return {};
  if (size <= 0) return {};
  result.resize(static_cast<std::size_t>(size));
  status = U_ZERO_ERROR;
  ucnv_fromUChars(converter.get(), result.data(), size, text.getBuffer(), text.length(), &status);
  if (U_FAILURE(status)) return {};
  return result;
}

icu::UnicodeString FromProcessEncoding(const std::string& text) {
  const std::string encoding = ProcessEncoding();
  if (IsUtf8(encoding)) return icu::UnicodeString::fromUTF8(text);
  Converter converter = OpenConverter(encoding);
  if (!converter) return FromLatin1(text);
  const auto length = static_cast<int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
  UErrorCode status = U_ZERO_ERROR;
  const int32_t size = ucnv_toUChars(converter.get(), nullptr, 0, text.data(), length, &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return FromLatin1(text);
  icu::UnicodeString result;
  if (size <= 0) return result;
  char16_t* buffer = result.getBuffer(size);
  if (buffer == nullptr) return result;
  status = U_ZERO_ERROR;
  const int32_t written =
      ucnv_toUChars(converter.get(), buffer, size, text.data(), length, &status);
  result.releaseBuffer(U_FAILURE(status) ? 0 : written);
  return result;
}

}  // namespace corekit::platform::posix
