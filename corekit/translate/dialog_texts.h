#pragma once

#include <cstddef>
#include <vector>

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The texts that a dialog template (DIALOG or DIALOGEX, as LockDialogTemplate gives it) shows, in
// the process's multibyte encoding: for a program that translates a dialog's texts by control id,
// or lists them for its translators.

// One control of the dialog: its id (0xFFFF or 0xFFFFFFFF for static texts, which share it) and
// its text, empty when it has none or names a resource by number.
struct TDialogControlText {
  DWORD id = 0;  // the control's id
  KString text;  // its text
};

// The texts of one dialog template.
struct TDialogTexts {
  KString caption;                           // the dialog's title, empty when it has none
  std::vector<TDialogControlText> controls;  // in the template's order
};

// Reads the caption and the controls of the template of size bytes; false when the bytes are no
// well-formed dialog template.
COREKIT_API bool ReadDialogTexts(const void* dialogTemplate, std::size_t size, TDialogTexts& texts);
