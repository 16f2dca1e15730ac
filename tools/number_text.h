#pragma once

// Strict reading of numbers given on the command line: the whole text must be the number.

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

#include "corekit/core/hex_text.h"

namespace corekit::tool {

enum class NumberStatus { Ok, NotANumber, OutOfRange };

// Decimal digits only (no sign, space or other character), up to 4294967295.
inline NumberStatus ParseUnsigned32(std::string_view text, std::uint32_t& value) {
  if (text.empty()) return NumberStatus::NotANumber;
  for (const char c : text) {
    if (c < '0' || c > '9') return NumberStatus::NotANumber;
  }
  std::uint32_t parsed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec == std::errc::result_out_of_range) return NumberStatus::OutOfRange;
  if (ec != std::errc() || end != text.data() + text.size()) return NumberStatus::NotANumber;
  value = parsed;
  return NumberStatus::Ok;
}

// An optional minus sign and decimal digits, within -2147483648 to 2147483647.
inline NumberStatus ParseSigned32(std::string_view text, std::int32_t& value) {
  const bool negative = !text.empty() && text.front() == '-';
  std::uint32_t magnitude = 0;
  const NumberStatus status = ParseUnsigned32(negative ? text.substr(1) : text, magnitude);
  if (status != NumberStatus::Ok) return status;
  const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
  if (magnitude > limit) return NumberStatus::OutOfRange;
  value =
      negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return NumberStatus::Ok;
}

// "0x" or "0X" and hexadecimal digits of either case, up to 0xFFFFFFFF: 0x80040510.
inline NumberStatus ParseHex32(std::string_view text, std::uint32_t& value) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
    return NumberStatus::NotANumber;
  }
  const std::string_view digits = text.substr(2);
  if (ReadHex(digits, value)) return NumberStatus::Ok;
  for (const char c : digits) {
    if (HexDigitValue(c) < 0) return NumberStatus::NotANumber;
  }
  return NumberStatus::OutOfRange;
}

// ParseHex32 for a text that begins with "0x" or "0X", else ParseUnsigned32: 0x80040510, 1031.
inline NumberStatus ParseHexOrUnsigned32(std::string_view text, std::uint32_t& value) {
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHex32(text, value);
  }
  return ParseUnsigned32(text, value);
}

// A fraction of a second written as one to nine decimal digits ("25" of "45.25"), in nanoseconds.
inline bool ParseFraction(std::string_view digits, std::uint32_t& nanoseconds) {
  if (digits.empty() || digits.size() > 9) return false;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 9; ++i) {
    const char c = i < digits.size() ? digits[i] : '0';
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  nanoseconds = value;
  return true;
}

// Whole seconds as ParseUnsigned32 with an optional fraction of one to nine digits ("45.25").
inline NumberStatus ParseSecondsAndFraction(std::string_view text, std::uint32_t& seconds,
                                            std::uint32_t& nanoseconds) {
  const std::size_t point = text.find('.');
  std::uint32_t fraction = 0;
  if (point != std::string_view::npos && !ParseFraction(text.substr(point + 1), fraction)) {
    return NumberStatus::NotANumber;
  }
  const NumberStatus status = ParseUnsigned32(text.substr(0, point), seconds);
  if (status == NumberStatus::Ok) nanoseconds = fraction;
  return status;
}

// Digits with an optional fraction ("2453537", "2453537.25"); no sign, exponent or other form.
inline NumberStatus ParseDecimal(std::string_view text, double& value) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto allDigits = [](std::string_view part) {
    for (const char c : part) {
      if (c < '0' || c > '9') return false;
    }
    return true;
  };
  if (whole.empty() || !allDigits(whole) || !allDigits(fraction) ||
      (point != std::string_view::npos && fraction.empty())) {
    return NumberStatus::NotANumber;
  }
  double parsed = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range) return NumberStatus::OutOfRange;
  if (ec != std::errc() || end != text.data() + text.size()) return NumberStatus::NotANumber;
  value = parsed;
  return NumberStatus::Ok;
}

}  // namespace corekit::tool
