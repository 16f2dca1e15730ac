#pragma once

// Dialog templates of a module, found with the language fallbacks of the translation, for the
// system's dialog functions (DialogBoxIndirectParamA on Windows).

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The data of the dialog template name (a text, or a number given with MAKEINTRESOURCEA) of the
// module (null: the executable) in the language, else in its default sublanguage, else in the
// neutral language; valid while the module stays loaded, null when none is found. The dialog's
// texts are not translated.
COREKIT_API const void* LockDialogTemplate(HMODULE module, const char* name, WORD language);
