#pragma once

// Reading of menu templates, the bytes that resource compilers write for MENU and MENUEX: a pure
// function over the bytes, used where the system does not build menus from templates itself.
//
// Normal format: a header (WORD version 0, WORD offset to the first item after the header), then
// items, each a WORD of MF_ flags, a WORD id unless the item is a popup, and a NUL-terminated
// UTF-16 text; a popup's items follow it; MF_END marks the last item of each list. An item
// without text is a separator, which the system grays.
// Extended format: a header (WORD version 1, WORD offset, DWORD help id), then items, each a
// DWORD type, DWORD state, DWORD id, WORD flags (1 popup, 0x80 last), a UTF-16 text, padding to
// four bytes, and for a popup a DWORD help id followed by its items.

#include <cstddef>
#include <string>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::winres {

// One item of a template, with the items of its popup menu.
struct MenuTemplateItem {
  UINT type = 0;        // MFT_ flags
  UINT state = 0;       // MFS_ flags
  UINT id = 0;          // 0 for a popup of the normal format, which has no id
  std::u16string text;  // empty for a separator
  bool popup = false;   // the item opens a menu of the children
  std::vector<MenuTemplateItem> children;
};

// The type and state flags that menus keep; other bits of a template are dropped.
inline constexpr UINT MenuTypeFlags = MFT_BITMAP | MFT_MENUBARBREAK | MFT_MENUBREAK |
                                      MFT_OWNERDRAW | MFT_RADIOCHECK | MFT_SEPARATOR |
                                      MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
inline constexpr UINT MenuStateFlags = MFS_GRAYED | MFS_CHECKED | MFS_HILITE | MFS_DEFAULT;

// Deepest nesting of popups that a template may have; a deeper one is refused.
inline constexpr int MenuTemplateMaxDepth = 64;

// The items of the template's menu. False when the bytes are no well-formed template: an unknown
// version, a list or text that runs past size, or popups nested too deeply. A template is expected
// to start on a four-byte boundary, as resources do; the extended format pads relative to it.
bool ReadMenuTemplate(const BYTE* data, std::size_t size, std::vector<MenuTemplateItem>& items);

}  // namespace corekit::winres
