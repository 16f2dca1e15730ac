// KXstrchr and KXstrstr against plain searches: the first match, or the text's terminating NUL.
// The texts lie in buffers of their exact size, so that any read past the NUL is caught.
//
// Input: one byte for the character searched, then the text, a zero byte and the pattern.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "corekit/core/string_helpers.h"
#include "fuzz/expect.h"

namespace {

std::vector<char> Terminated(std::string_view text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  return buffer;
}

// The first byte that, taken as a signed value, equals c; else the end.
std::size_t ReferenceFind(std::string_view text, int c) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<signed char>(text[i]) == c) return i;
  }
  return text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t zero = input.find('\0');
  const std::string_view text = input.substr(0, zero);
  const std::string_view pattern =
      zero != std::string_view::npos ? input.substr(zero + 1) : std::string_view();
  std::vector<char> textBuffer = Terminated(text);
  const std::vector<char> patternBuffer = Terminated(pattern.substr(0, pattern.find('\0')));
  char* const start = textBuffer.data();

  // A char promoted to int, the same byte as an unsigned value, and values no byte can have.
  const int c = static_cast<signed char>(data[0]);
  for (const int wanted : {c, static_cast<int>(data[0]), c + 256, 0}) {
    EXPECT(KXstrchr(start, wanted) - start ==
           static_cast<std::ptrdiff_t>(ReferenceFind(text, wanted)));
  }

  const std::string_view wanted(patternBuffer.data());
  const std::size_t found = wanted.empty() ? text.size() : text.find(wanted);
  EXPECT(KXstrstr(start, patternBuffer.data()) - start ==
         static_cast<std::ptrdiff_t>(found != std::string_view::npos ? found : text.size()));
  return 0;
}
