#pragma once

// The Win32 message formatting behind SystemMessageText, open to the Windows tests so that the
// handling of inserts can be checked with a message of their own.

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// FormatMessageA with flags (FORMAT_MESSAGE_FROM_SYSTEM or FORMAT_MESSAGE_FROM_STRING with the
// format as source), the inserts %1 to %3 filled from the three texts and every insert beyond %3
// (up to %99) with an empty text. False when the system gives no text.
bool FormattedMessage(DWORD flags, const void* source, DWORD code, const char* insert1,
                      const char* insert2, const char* insert3, std::string& text);

}  // namespace corekit::platform
