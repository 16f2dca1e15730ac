#include "corekit/core/string_helpers.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int MaxConversions = 5;
constexpr std::size_t LocalCopySize = 256;

// The conversions of a format: each "%" not followed by another "%" counts one.
int CountConversions(const char* format) {
  int count = 0;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '\0') break;
    if (*p != '%') ++count;
  }
  return count;
}

}  // namespace

int KXsscanf(const char* text, const char* format, ...) {
  const int conversions = CountConversions(format);
  if (conversions == 0 || conversions > MaxConversions) return 0;
  const std::size_t length = std::strcspn(text, "\r\n");
  // The first line, copied with its terminator: on the stack when short, else on the heap.
  char local[LocalCopySize + 1];
  std::unique_ptr<char[]> heap;
  char* line = local;
  if (length > LocalCopySize) {
    heap = std::make_unique<char[]>(length + 1);
    line = heap.get();
  }
  std::memcpy(line, text, length);
  line[length] = '\0';

  void* targets[MaxConversions] = {};
  va_list arguments;
  va_start(arguments, format);
  for (int i = 0; i < conversions; ++i) targets[i] = va_arg(arguments, void*);
  va_end(arguments);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
  return std::sscanf(line, format, targets[0], targets[1], targets[2], targets[3], targets[4]);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

char* KXstrchr(char* text, int c) {
  while (*text != '\0' && static_cast<signed char>(*text) != c) ++text;
  return text;
}

char* KXstrstr(char* text, const char* pattern) {
  const std::size_t patternLength = std::strlen(pattern);
  if (patternLength == 0) return text + std::strlen(text);
  const std::size_t rest = patternLength - 1;
  while (*text != '\0') {
    text = KXstrchr(text, static_cast<signed char>(pattern[0]));
    if (*text == '\0' || rest < 1 || std::strncmp(text + 1, pattern + 1, rest) == 0) break;
    ++text;
  }
  return text;
}
