#pragma once

#include "corekit/platform/types.h"

// The stream result of a failed system call with the system's error code: the code itself when it
// is 0 or negative as a signed value, else (code AND 0xFFFF) OR 0x80070000. Internal.
constexpr LONG StreamErrorFromSystem(DWORD error) {
  return static_cast<LONG>(error) <= 0 ? static_cast<LONG>(error)
                                       : static_cast<LONG>((error & 0xFFFF) | 0x80070000);
}
