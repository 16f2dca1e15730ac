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

}  // namespace corekit::platform
