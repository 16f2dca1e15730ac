#pragma once

// Reading a menu that the library built (LoadTranslatedMenu) item by item, and destroying it.
// Windows has these functions; on POSIX the library provides them, exported, with the item record
// and its flags in Windows layout. On Windows this header includes <windows.h>, which declares
// them.

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"
#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

#include <windows.h>

#else

#include <cstddef>
#include <cstdint>

struct HBITMAP__;

// An item of a menu: fMask selects the fields that GetMenuItemInfoA fills.
struct MENUITEMINFOA {
  UINT cbSize;                // sizeof(MENUITEMINFOA), or the offset of hbmpItem
  UINT fMask;                 // MIIM_ flags
  UINT fType;                 // MFT_ flags
  UINT fState;                // MFS_ flags
  UINT wID;                   // the command id that the item sends
  HMENU hSubMenu;             // the menu the item opens, or null
  HBITMAP__* hbmpChecked;     // the check mark of a checked item, null for the default
  HBITMAP__* hbmpUnchecked;   // the mark of an unchecked item, null for none
  std::uintptr_t dwItemData;  // the application's own value for the item
  char* dwTypeData;           // the caller's buffer for the text
  UINT cch;                   // the buffer's size; receives the text's length
  HBITMAP__* hbmpItem;        // the item's bitmap, or null
};
static_assert(offsetof(MENUITEMINFOA, hbmpItem) == (sizeof(void*) == 8 ? 72 : 44) &&
                  sizeof(MENUITEMINFOA) == (sizeof(void*) == 8 ? 80 : 48),
              "the menu item record keeps its Windows layout");

// The fields of MENUITEMINFOA that a call reads or fills (its fMask), with the SDK's values.
#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MIIM_SUBMENU 0x00000004
#define MIIM_CHECKMARKS 0x00000008
#define MIIM_TYPE 0x00000010
#define MIIM_DATA 0x00000020
#define MIIM_STRING 0x00000040
#define MIIM_BITMAP 0x00000080
#define MIIM_FTYPE 0x00000100

// The kinds of a menu item (MENUITEMINFOA::fType): text, bitmap, a break before it (with or without
// a bar), drawn by the owner, a round check mark, a separator, right to left, right-aligned.
#define MFT_STRING 0x00000000
#define MFT_BITMAP 0x00000004
#define MFT_MENUBARBREAK 0x00000020
#define MFT_MENUBREAK 0x00000040
#define MFT_OWNERDRAW 0x00000100
#define MFT_RADIOCHECK 0x00000200
#define MFT_SEPARATOR 0x00000800
#define MFT_RIGHTORDER 0x00002000
#define MFT_RIGHTJUSTIFY 0x00004000

// The states of a menu item (MENUITEMINFOA::fState): enabled, greyed (also disabled), checked,
// highlighted, the default item.
#define MFS_ENABLED 0x00000000
#define MFS_GRAYED 0x00000003
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED 0x00000008
#define MFS_HILITE 0x00000080
#define MFS_DEFAULT 0x00001000

// The number of the menu's items; -1 for a handle that names no menu.
COREKIT_API int GetMenuItemCount(HMENU menu);
// Reads the item at position item (byPosition must be TRUE: the library's menus are read by
// position) into info, as Windows does; FALSE for an unknown menu, a position past the end or a bad
// record.
COREKIT_API BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
// Destroys the menu with the submenus its items open; FALSE for a handle that names no menu.
COREKIT_API BOOL DestroyMenu(HMENU menu);

#endif
