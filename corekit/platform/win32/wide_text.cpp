#include "corekit/platform/wide_text.h"

#include <vector>

#include "corekit/platform/types.h"

namespace corekit::platform {

std::string WideToMultibyte(const char16_t* text, std::size_t length) {
  if (length == 0) return {};
  // Two bytes per UTF-16 unit hold every double-byte code page.
  std::vector<char> buffer(2 * length + 1);
  const int written =
      WideCharToMultiByte(GetACP(), 0, reinterpret_cast<LPCWCH>(text), static_cast<int>(length),
                          buffer.data(), static_cast<int>(buffer.size()), nullptr, nullptr);
  return std::string(buffer.data(), written > 0 ? static_cast<std::size_t>(written) : 0);
}

std::string MultibyteToUtf8(const char* text, std::size_t length) {
  if (length == 0) return {};
  const int size = static_cast<int>(length);
  const int units = MultiByteToWideChar(GetACP(), 0, text, size, nullptr, 0);
  if (units <= 0) return {};
  std::vector<wchar_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(GetACP(), 0, text, size, wide.data(), units);
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

}  // namespace corekit::platform
