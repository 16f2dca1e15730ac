// KXsscanf: its result and the targets it fills equal those of the C library's sscanf on the first
// line of the text, and a format with no conversion or more than five gives 0 and leaves every
// target untouched.
//
// Input: the format, a zero byte, then the text. Formats that scan are skipped unless each of their
// conversions is complete (the C library defines nothing else, and the sanitizer's own reader of
// scanf formats fails on a conversion cut off by the format's end) and at most 64 wide, and so are
// those with the allocating modifier "m" or positional arguments ("%2$d"), which ask more than
// five buffers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "corekit/core/string_helpers.h"
#include "fuzz/expect.h"

namespace {

constexpr int Targets = 5;
// The widest conversion tried: the sanitizer takes a width as the size written, whatever was read.
constexpr std::size_t MaxWidth = 64;

// Five buffers, each large enough for any conversion of the text: a long double, or the whole
// text or the widest conversion as wide characters.
struct TargetBuffers {
  explicit TargetBuffers(std::size_t textLength)
      : size(16 * ((4 * (std::max(textLength, MaxWidth) + 1) + 31) / 16)),
        bytes(Targets * size / 16) {
    std::memset(bytes.data(), 0xA5, bytes.size() * 16);
  }
  void* At(int i) { return reinterpret_cast<unsigned char*>(bytes.data()) + i * size; }
  bool operator==(const TargetBuffers& other) const {
    return std::memcmp(bytes.data(), other.bytes.data(), bytes.size() * 16) == 0;
  }

  struct alignas(16) Unit {
    unsigned char byte[16];
  };
  std::size_t size;
  std::vector<Unit> bytes;
};

int Conversions(const std::string& format) {
  int count = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (++i == format.size()) break;
    if (format[i] != '%') ++count;
  }
  return count;
}

// Every conversion has its conversion character after the optional "*", width and length.
bool Complete(const std::string& format) {
  const std::size_t end = format.size();
  for (std::size_t i = 0; i < end; ++i) {
    if (format[i] != '%') continue;
    if (++i < end && format[i] == '%') continue;
    if (i < end && format[i] == '*') ++i;
    std::size_t width = 0;
    for (; i < end && format[i] >= '0' && format[i] <= '9'; ++i) {
      width = std::min<std::size_t>(10 * width + static_cast<std::size_t>(format[i] - '0'), 1000);
    }
    if (width > MaxWidth) return false;
    while (i < end && std::strchr("hlLqjzt", format[i]) != nullptr) ++i;
    if (i == end) return false;
    if (format[i] == '[') {
      i += format.compare(i + 1, 2, "^]") == 0 ? 3 : format.compare(i + 1, 1, "]") == 0 ? 2 : 1;
      i = format.find(']', i);
      if (i == std::string::npos) return false;
    } else if (std::strchr("diouxXaAeEfFgGscpnCS", format[i]) == nullptr) {
      return false;
    }
  }
  return format.find_first_of("m$") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  if (zero == std::string::npos) return 0;
  const std::string format = input.substr(0, zero);
  const std::string text = input.substr(zero + 1).c_str();
  const int conversions = Conversions(format);
  const bool scans = conversions > 0 && conversions <= Targets;
  if (scans && !Complete(format)) return 0;

  TargetBuffers scanned(text.size());
  const int result = KXsscanf(text.c_str(), format.c_str(), scanned.At(0), scanned.At(1),
                              scanned.At(2), scanned.At(3), scanned.At(4));

  TargetBuffers expected(text.size());
  int expectedResult = 0;
  if (scans) {
    const std::string line = text.substr(0, text.find_first_of("\r\n"));
#pragma clang diagnostic ignored "-Wformat-nonliteral"
    expectedResult = std::sscanf(line.c_str(), format.c_str(), expected.At(0), expected.At(1),
                                 expected.At(2), expected.At(3), expected.At(4));
  }
  EXPECT(result == expectedResult);
  EXPECT(scanned == expected);
  return 0;
}
