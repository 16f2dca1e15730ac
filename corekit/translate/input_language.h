#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Switches the calling thread's keyboard layout and locale to a language: loads the layout named
// by the language in eight hexadecimal digits (0x0407 gives "00000407"), activates it and sets the
// thread locale. False at the first step that fails; the steps before it stay done.
COREKIT_API bool SetInputLanguage(WORD language);
