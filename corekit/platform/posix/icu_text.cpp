#include "corekit/platform/posix/icu_text.h"

#include <langinfo.h>
#include <unicode/ucnv.h>

#include <cstdlib>
#include <cstring>
#include <memory>

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

struct ConverterCloser {
  void operator()(UConverter* converter) const noexcept { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenConverter(const std::string& encoding) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(encoding.c_str(), &status));
  if (U_FAILURE(status)) converter.reset();
  return converter;
}

}  // namespace

icu::Locale UserLocale() {
  const char* value = FirstSet({"LC_ALL", "LC_TIME", "LANG"});
  if (value == nullptr || std::strcmp(value, "C") == 0 || std::strcmp(value, "POSIX") == 0 ||
      std::strncmp(value, "C.", 2) == 0) {
    return icu::Locale("en_US");
  }
  // "de_DE.UTF-8@euro" names the locale de_DE.
  std::string name(value);
  name = name.substr(0, name.find_first_of(".@"));
  icu::Locale locale(name.c_str());
  return locale.isBogus() ? icu::Locale("en_US") : locale;
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
  UErrorCode status = U_ZERO_ERROR;
  const int32_t size = text.extract(result.data(), 0, converter.get(), status);
  result.resize(static_cast<std::size_t>(size));
  status = U_ZERO_ERROR;
  text.extract(result.data(), size, converter.get(), status);
  return result;
}

icu::UnicodeString FromProcessEncoding(const std::string& text) {
  const std::string encoding = ProcessEncoding();
  if (IsUtf8(encoding)) return icu::UnicodeString::fromUTF8(text);
  return icu::UnicodeString(text.data(), static_cast<int32_t>(text.size()), encoding.c_str());
}

}  // namespace corekit::platform::posix
