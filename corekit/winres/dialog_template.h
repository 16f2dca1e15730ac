#pragma once

// Reading of dialog templates, the bytes that resource compilers write for DIALOG and DIALOGEX: a
// pure function over the bytes that gives the texts a user sees, the caption and the controls'.
//
// Normal format: DWORD style, DWORD extended style, WORD item count, four coordinates, then the
// menu, the window class (each 0, 0xFFFF and a number, or a UTF-16 text) and the caption; with
// DS_SETFONT a WORD point size and the font's name. Each item starts on four bytes: DWORD style,
// DWORD extended style, four coordinates, WORD id, class and text (as the menu), WORD size of the
// creation data (counting itself) and that data.
// Extended format: WORD version 1, WORD 0xFFFF, DWORD help id, DWORD extended style, DWORD style,
// the rest as above, with the font's WORD weight and two bytes (italic, character set) after the
// point size; items have a DWORD help id first and a DWORD id, and the WORD before the creation
// data counts only the bytes that follow it.

#include <cstddef>
#include <string>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::winres {

// One control of a dialog template. A text given as a number (an icon's resource) is empty.
struct DialogTemplateItem {
  DWORD id = 0;
  std::u16string text;
};

struct DialogTemplate {
  std::u16string caption;
  std::vector<DialogTemplateItem> items;
};

// The caption and controls of the template. False when the bytes are no well-formed template: a
// field or text that runs past size.
bool ReadDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& dialog);

}  // namespace corekit::winres
