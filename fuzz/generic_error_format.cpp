// The generic error text of a translated format against printf: the one conversion that
// SafeErrorFormat keeps prints as snprintf prints it with the same flags, width and precision
// (without the 'l'), '#' writing "0x" before a zero too; everything else prints as it stands, and
// the text is at most 32 characters longer than the format. The conversion kept must be one that
// wsprintfA reads as printf does.
//
// Input: the code (four bytes, little-endian), then the format up to the first zero byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "corekit/errors/generic_error_text.h"
#include "corekit/platform/error_number.h"
#include "fuzz/expect.h"

namespace {

// What the text may add to the format's length: Windows formats it into a buffer of that length
// + 33 characters, its NUL included.
constexpr std::size_t MaxGrowth = 32;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Up to two digits and at most 32: what the Windows buffer of the format's length + 33 allows.
std::size_t Field(const std::string& text, std::size_t& at, unsigned& value) {
  const std::size_t start = at;
  value = 0;
  while (at < text.size() && IsDigit(text[at])) value = value * 10 + unsigned(text[at++] - '0');
  EXPECT(at - start <= 2 && value <= corekit::internal::MaxErrorFormatField);
  return at - start;
}

// What printf makes of the conversion `directive` (from its '%' to its type) with the code, after
// checking that wsprintfA reads it the same way.
std::string Printed(const std::string& directive, std::uint32_t code) {
  std::size_t at = 1;
  std::string flags;
  for (const char flag : {'-', '#', '0'}) {
    if (at < directive.size() && directive[at] == flag) flags += directive[at++];
  }
  unsigned width = 0, precision = 0;
  const std::size_t widthDigits = Field(directive, at, width);
  const bool hasPrecision = at < directive.size() && directive[at] == '.';
  if (hasPrecision) {
    ++at;
    EXPECT(Field(directive, at, precision) > 0 && precision > 0);
  }
  if (at < directive.size() && directive[at] == 'l') ++at;
  EXPECT(at + 1 == directive.size());
  const char type = directive[at];
  EXPECT(std::strchr("diuxX", type) != nullptr);
  const bool alternate = flags.find('#') != std::string::npos;
  const bool hex = type == 'x' || type == 'X';
  // wsprintfA counts a width beside '#' without the "0x", the sign among a precision's digits,
  // and pads to the width with zeros beside a precision; '#' means nothing to its decimals.
  EXPECT(!alternate || (hex && widthDigits == 0));
  EXPECT(!hasPrecision || (hex || type == 'u'));
  EXPECT(!hasPrecision || flags.find('0') == std::string::npos);

  std::string format;  // without '#' and 'l'
  for (const char c : directive) {
    if (c != '#' && c != 'l') format += c;
  }
  char text[64];
  if (type == 'd' || type == 'i') {
    std::snprintf(text, sizeof text, format.c_str(), static_cast<std::int32_t>(code));
  } else {
    std::snprintf(text, sizeof text, format.c_str(), code);
  }
  return std::string(alternate ? (type == 'x' ? "0x" : "0X") : "") + text;
}

// The format's text with the kept conversion printed and every other percent sign as itself,
// walking the format and its safe form side by side.
std::string Expected(const std::string& format, const std::string& safe, std::uint32_t code) {
  std::string text;
  bool converted = false;
  std::size_t i = 0, j = 0;  // in safe, in format
  while (i < safe.size()) {
    EXPECT(j < format.size());
    if (safe[i] != '%') {
      EXPECT(format[j] == safe[i]);
      text += safe[i++];
      ++j;
    } else if (i + 1 < safe.size() && safe[i + 1] == '%') {
      // A "%%" of the format, or a percent sign that starts no kept conversion.
      EXPECT(format[j] == '%');
      j += j + 1 < format.size() && format[j + 1] == '%' ? 2 : 1;
      text += '%';
      i += 2;
    } else {
      EXPECT(!converted);
      converted = true;
      std::size_t end = i + 1;
      while (end < safe.size() && std::strchr("diuxX", safe[end]) == nullptr) ++end;
      EXPECT(end < safe.size());
      const std::string directive = safe.substr(i, end + 1 - i);
      EXPECT(format.compare(j, directive.size(), directive) == 0);
      text += Printed(directive, code);
      i += directive.size();
      j += directive.size();
    }
  }
  EXPECT(j == format.size());
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint32_t code =
      data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t(data[3]) << 24);
  std::string format(reinterpret_cast<const char*>(data) + 4, size - 4);
  format = format.substr(0, format.find('\0'));

  const std::string safe = corekit::internal::SafeErrorFormat(format.c_str());
  const std::string expected = Expected(format, safe, code);
  EXPECT(expected.size() <= format.size() + MaxGrowth);
  EXPECT(corekit::platform::FormatErrorNumber(safe.c_str(), static_cast<LONG>(code)) == expected);
  const KString text = corekit::internal::GenericErrorText(format.c_str(), static_cast<LONG>(code));
  EXPECT(text.GetString() == expected);
  return 0;
}
