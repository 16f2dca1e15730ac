#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Builds the menu of a menu resource that FindResourceFallback found in the module, untranslated:
// for a menu in a language of the program's choice, such as the English one of a module whose
// texts a program lists. The caller destroys it with DestroyMenu; null when the resource cannot be
// read or is no well-formed menu template.
//   LoadMenuResource(module, FindResourceFallback(module, MAKEINTRESOURCEA(4), "MAIN", 0x0009,
//   true))
COREKIT_API HMENU LoadMenuResource(HMODULE module, HRSRC resource);
