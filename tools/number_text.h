#pragma once

// Strict reading of numbers given on the command line: the whole text must be the number.

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

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
