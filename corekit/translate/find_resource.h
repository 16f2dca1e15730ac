#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The resource of a module (null: the executable) with the given type and name (a text, or a
// number given with MAKEINTRESOURCEA), found with the language fallbacks of the library's texts:
// exactly the language, else the default sublanguage of its primary language (0x0807 falls back to
// 0x0407), else, when allowNeutral, the neutral language 0. Null when none of them has it. Read
// its data with LoadResource, LockResource and SizeofResource.
COREKIT_API HRSRC FindResourceFallback(HMODULE module, const char* type, const char* name,
                                       WORD language, bool allowNeutral);
