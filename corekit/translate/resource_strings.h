#pragma once

#include <optional>
#include <string>

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"
#include "corekit/translate/find_resource.h"
#include "corekit/translate/translated_string.h"

// String resources of a module in a wanted language, with the language fallbacks and the
// translation of English strings through the dictionaries (LoadTranslatedString, exported).

// String id of the module's string table in the language, found as FindResourceFallback finds its
// block; nothing when the block is missing or cannot be read. An empty entry gives empty text.
std::optional<std::u16string> LoadStringResource(HMODULE module, unsigned id, WORD language,
                                                 bool allowNeutral);

// UTF-16 text in the process's multibyte encoding (the ANSI code page on Windows); null gives empty
// text.
KString WideToAnsi(const char16_t* text);
