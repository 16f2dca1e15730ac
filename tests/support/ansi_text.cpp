#include "tests/support/ansi_text.h"

#if defined(_WIN32)
#include <windows.h>

std::string AnsiText(const std::u16string& text) {
  const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), size, nullptr, nullptr);
  return result;
}

#else
#include "corekit/platform/posix/icu_text.h"

std::string AnsiText(const std::u16string& text) {
  return corekit::platform::posix::ToProcessEncoding(
      icu::UnicodeString(text.data(), static_cast<int32_t>(text.size())));
}

#endif
