#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The calling thread's text language, which the library's error texts and menus follow, and which
// an application passes on to its own dictionaries. It starts as the user's language (on Linux
// from LC_ALL, LC_MESSAGES or LANG); setting it affects this thread alone (on Windows it is the
// thread locale). SetThreadLanguage(0x0407) switches to German; false, with the language kept,
// when the system knows no such language.
COREKIT_API bool SetThreadLanguage(WORD language);
COREKIT_API WORD GetThreadLanguage();
