#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// String id of the module's string table (the executable's for a null module) in the language:
// the module's own string in that language if it has a non-empty one, else its English string
// translated by the dictionary of that language (the library module's title as dictionary name
// when name is null), else empty. A program gives itself a string table with
// corekit_add_resources.
//   LoadTranslatedString(nullptr, 100, 0x0407, "survey"): the program's string 100 in German.
COREKIT_API KString LoadTranslatedString(HMODULE module, unsigned id, WORD language,
                                         const char* name);
