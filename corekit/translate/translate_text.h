#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Translation of texts between the base language (English) and other languages through the
// dictionary files Translate/<language>/<name>.txt beside the application.

// The base language of every library text and dictionary key: 0x0009, English.
COREKIT_API WORD GetBaseLanguage();

// The dictionary file of a language pair whose first language is the base language: the
// dictionary folder (the application folder's "Translate" unless SetDictionaryFolder names
// another), the second language's primary language in lowercase hexadecimal (0x0407 gives 7,
// 0x040C gives c) and the name with ".txt" (the library module's file title when name is null or
// empty). Empty when the first language is not the base language.
COREKIT_API KString GetDictionaryPath(WORD firstLanguage, WORD secondLanguage, const char* name);

// The text in toLanguage by the dictionary of the two languages (into English through the reverse
// direction), or the text unchanged when the dictionary has no translation for it.
//   TranslateText("File not found", 0x0009, 0x0407, nullptr) gives "Datei nicht gefunden" with
//   the German dictionary of the library's texts.
COREKIT_API KString TranslateText(const KString& text, WORD fromLanguage, WORD toLanguage,
                                  const char* name);

// Makes folder the one that holds the dictionaries' language folders for the whole process, in
// place of the application folder's "Translate" (an installed program whose dictionaries lie in
// share/corekit/Translate); an empty folder goes back to the application's. Translations already
// made stay as they were; later ones read the dictionaries of the new folder.
COREKIT_API void SetDictionaryFolder(const KString& folder);
