#pragma once

// Menus of a module in a wanted language: the module's own menu in that language when it has one,
// else its English menu with the item texts translated through the dictionaries. Read the menu with
// GetMenuItemInfoA and destroy it with DestroyMenu (platform/menu_functions.h on POSIX).

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The menu menuId of the module (null: the executable) in the language, owned by the caller: the
// module's menu in that language or its default sublanguage, untranslated; else the English one
// (0x0009, 0x0409 or neutral) translated by TranslateMenu; null when the module has neither.
// name is the dictionary name, null for the module's file title.
//   LoadTranslatedMenu(module, 100, 0x040C, "survey"), for a module without a French menu 100,
//   translates its English one through Translate\c\survey.txt in the application folder.
COREKIT_API HMENU LoadTranslatedMenu(HMODULE module, WORD menuId, WORD language, const char* name);

// Translates the texts of the menu's items in place, from one language to another, through the
// dictionary name or, when name is null, the one named after the module's file title. Submenus
// are translated before the item that opens them; separators are left alone; a translation is cut
// to 254 characters. Returns menu; one whose items cannot be counted (no menu) is left untouched.
COREKIT_API HMENU TranslateMenu(HMENU menu, HMODULE module, WORD fromLanguage, WORD toLanguage,
                                const char* name);
