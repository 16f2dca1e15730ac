#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The system's message text for an error code, with the inserts %1, %2 and %3 filled from the
// three texts (inserts beyond %3 stay empty). The text ends with the "\r\n" that closes the
// system's messages. False when the system has no text for the code.
//
// On POSIX the texts are the C library's error texts (strerror) for plain codes 0 to 65535 and for
// HRESULT_FROM_WIN32 codes (0x8007xxxx), both read as errno values, and the system's texts for the
// COM codes that the library itself returns; these texts have no inserts.
bool SystemMessageText(LONG code, const char* insert1, const char* insert2, const char* insert3,
                       std::string& text);

}  // namespace corekit::platform
