#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The language of the calling thread's locale: on Windows the thread locale's low 16 bits; on
// POSIX the thread's own setting, which starts as the user's locale for texts (LC_ALL, LC_MESSAGES,
// LANG).
WORD ThreadLanguage();

// Sets the calling thread's locale to a language with the default sort order; false when the
// system knows no such language.
bool SetThreadLanguage(WORD language);

// The keyboard layout named by an eight-digit hexadecimal layout name ("00000407"), loaded for
// the thread; null when there is no such layout.
HKL LoadLayoutByName(const char* layoutName);

// Makes a loaded layout the thread's active one; false when it cannot be activated.
bool ActivateLayout(HKL layout);

}  // namespace corekit::platform
