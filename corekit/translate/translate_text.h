#pragma once

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

// Translation of texts between the base language (English) and other languages through the
// dictionary files beside the application. Internal to the library.

// The base language of every library text and dictionary key: 0x0009, English.
WORD GetBaseLanguage();

// The dictionary file of a language pair whose first language is the base language: the
// application folder, "Translate", the second language's primary language in lowercase hexadecimal
// (0x0407 gives 7, 0x040C gives c) and the name with ".txt" (the library module's file title when
// name is null or empty). Empty when the first language is not the base language.
KString GetDictionaryPath(WORD firstLanguage, WORD secondLanguage, const char* name);

// The text in toLanguage by the dictionary of the two languages (into English through the reverse
// direction), or the text unchanged when the dictionary has no translation for it.
KString TranslateText(const KString& text, WORD fromLanguage, WORD toLanguage, const char* name);
