#pragma once

// The rules behind the application information, on paths and module files. Internal.

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

namespace corekit::internal {

// The version number that stands for a file without a FileVersion text.
inline constexpr ULONG MissingVersion = 4096;

// The folder of a path: up to and including its last separator, '/' or '\' whichever comes later;
// empty when it has none. "C:/Apps\x.exe" gives "C:/Apps\".
KString FolderOfPath(const KString& path);

// The file name of a path up to its first dot: "C:\Apps\survey.tool.exe" gives "survey".
KString BareNameOfPath(const KString& path);

// A text of the English (040904B0) table of a file's version block, such as "ProductName"; false
// when the file has no version block or the table no such text.
bool VersionTextOfFile(const KString& path, const char* name, KString& text);

// The number of a FileVersion text: the first two characters (the "0x") skipped, then leading
// blanks, a sign and decimal digits; 0 when there are none.
ULONG VersionNumberOfText(const KString& text);

}  // namespace corekit::internal
