#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// The application's product name: the ProductName of the executable's version block (English,
// Unicode table 040904B0), else the executable's file name up to its first dot ("survey" for
// survey.tool.exe).
COREKIT_API KString GetAppName();

// The folder of the executable, ending with its separator ("C:\Apps\"); empty when unknown.
COREKIT_API KString GetAppDir();

// The per-user data folder: the user's profile folder followed by "MorvikTools" and a separator,
// created when missing; GetAppDir() when the profile folder is unknown or the folder's path would
// not fit in 259 characters.
COREKIT_API KString GetUserDir();

// The version number of a module (null: the executable): the decimal number after the first two
// characters of its FileVersion text ("0x1040" gives 1040); 4096 when it has no such text.
// A text shorter than two characters gives 0; a module path over 259 characters counts as no text.
COREKIT_API ULONG GetModuleVersion(HINSTANCE module);
