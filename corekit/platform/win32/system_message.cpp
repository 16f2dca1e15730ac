#include "corekit/platform/system_message.h"

#include "corekit/platform/win32/formatted_message.h"

namespace corekit::platform {

bool FormattedMessage(DWORD flags, const void* source, DWORD code, const char* insert1,
                      const char* insert2, const char* insert3, std::string& text) {
  // A message may name inserts up to %99; those beyond the three texts read an empty text
  // instead of memory past the array.
  DWORD_PTR arguments[99];
  for (DWORD_PTR& argument : arguments) argument = reinterpret_cast<DWORD_PTR>("");
  arguments[0] = reinterpret_cast<DWORD_PTR>(insert1);
  arguments[1] = reinterpret_cast<DWORD_PTR>(insert2);
  arguments[2] = reinterpret_cast<DWORD_PTR>(insert3);

  char* message = nullptr;
  const DWORD length = FormatMessageA(
      flags | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY, source, code, 0,
      reinterpret_cast<LPSTR>(&message), 0, reinterpret_cast<va_list*>(arguments));
  const bool found = length != 0 && message != nullptr;
  if (found) text.assign(message, length);
  if (message != nullptr) LocalFree(message);
  return found;
}

bool SystemMessageText(LONG code, const char* insert1, const char* insert2, const char* insert3,
                       std::string& text) {
  static_assert((FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                 FORMAT_MESSAGE_ARGUMENT_ARRAY) == 0x3100);
  return FormattedMessage(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, static_cast<DWORD>(code), insert1,
                          insert2, insert3, text);
}

}  // namespace corekit::platform
