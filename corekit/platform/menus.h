#pragma once

// Menus of the system: built from menu templates, read and written item by item through the
// MENUITEMINFOA record, and destroyed. A handle that names no menu (never made, or destroyed) makes
// every call fail; none of them crashes on it.

#include <cstddef>

#include "corekit/platform/types.h"

namespace corekit::platform {

// Builds a menu from a menu template in memory: the normal format (header version 0, items with
// MF_POPUP and MF_END flags) or the extended one (header version 1). size is the template's byte
// count, which bounds the reading where the system does not read templates itself. The caller
// owns the menu; null when the template is not well formed.
HMENU LoadMenuTemplate(const void* menuTemplate, std::size_t size);

// The number of items of a menu; -1 when the handle names no menu.
int MenuItemCount(HMENU menu);

// Reads the item at position into info, as GetMenuItemInfoA does by position: info.cbSize is
// sizeof(MENUITEMINFOA) or offsetof(MENUITEMINFOA, hbmpItem), info.fMask selects the fields. A
// string item's text is copied into info.dwTypeData, at most info.cch - 1 characters and a NUL,
// and info.cch receives the number of characters copied, or the text's length when no buffer is
// given. False for an unknown handle, a position past the end or a bad record.
bool ReadMenuItem(HMENU menu, UINT position, MENUITEMINFOA& info);

// Reads everything about the item at position (kind, state, id, submenu) into item and its text
// into text, a buffer of Size characters. False as ReadMenuItem.
template <UINT Size>
bool ReadWholeMenuItem(HMENU menu, int position, MENUITEMINFOA& item, char (&text)[Size]) {
  item = MENUITEMINFOA{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  item.dwTypeData = text;
  item.cch = Size;
  return ReadMenuItem(menu, static_cast<UINT>(position), item);
}

// Writes the fields that info.fMask selects into the item at position, as SetMenuItemInfoA does
// by position. False, and the item unchanged, for an unknown handle, a position past the end, a
// bad record or a submenu that is no menu.
bool WriteMenuItem(HMENU menu, UINT position, const MENUITEMINFOA& info);

// Destroys a menu together with the submenus its items open; false when the handle names no menu.
bool DestroyMenuTree(HMENU menu);

// True when the handle names a menu that exists.
bool IsMenuHandle(HMENU menu);

}  // namespace corekit::platform
