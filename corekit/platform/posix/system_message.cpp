#include "corekit/platform/system_message.h"

#include <string.h>

#include <cstdint>

namespace corekit::platform {
namespace {

// The system's texts of the COM codes that the library returns. Checked before the errno texts:
// E_OUTOFMEMORY and E_INVALIDARG have the form of HRESULT_FROM_WIN32 codes.
struct ComText {
  std::uint32_t code;
  const char* text;
};
constexpr ComText ComTexts[] = {
    {0x80004001u, "Not implemented"},
    {0x80004002u, "No such interface supported"},
    {0x80004003u, "Invalid pointer"},
    {0x80004005u, "Unspecified error"},
    {0x8000FFFFu, "Catastrophic failure"},
    {0x8007000Eu, "Not enough memory resources are available to complete this operation."},
    {0x80070057u, "The parameter is incorrect."},
    {0x80040154u, "Class not registered"},
};

// The errno value a code stands for: a plain code, or HRESULT_FROM_WIN32 of one; -1 for others.
int ErrnoOfCode(std::uint32_t code) {
  if (code <= 0xFFFFu) return static_cast<int>(code);
  if ((code & 0xFFFF0000u) == 0x80070000u) return static_cast<int>(code & 0xFFFFu);
  return -1;
}

}  // namespace

bool SystemMessageText(LONG code, const char*, const char*, const char*, std::string& text) {
  const auto value = static_cast<std::uint32_t>(code);
  for (const ComText& entry : ComTexts) {
    if (entry.code == value) {
      text = std::string(entry.text) + "\r\n";
      return true;
    }
  }
  const int error = ErrnoOfCode(value);
  // strerror invents "Unknown error N" for numbers the C library does not know; those have no text.
  if (error < 0 || strerrordesc_np(error) == nullptr) return false;
  // The text in the language of the thread's message locale, as strerror gives it.
  char buffer[256];
  text = std::string(strerror_r(error, buffer, sizeof buffer)) + "\r\n";
  return true;
}

}  // namespace corekit::platform
