#pragma once

// The record of a directory search's entry, WIN32_FIND_DATAA, which TFileFinder presents. On
// Windows it is the SDK's, from its narrowest header; on POSIX the library's, in Windows layout.

#include "corekit/platform/interface_types.h"
#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

// The base types first: the record's header builds on them.
// clang-format off
#include <windef.h>
#include <minwinbase.h>
// clang-format on

#else

// A time in 100-nanosecond intervals since 1601-01-01 UTC.
struct FILETIME {
  // The count's low and high 32 bits.
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

// An entry found by a directory search: its attributes, times, size and name (at most 259
// characters and a NUL).
struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;  // FILE_ATTRIBUTE_ flags (a folder: 0x10)
  // When the entry was made, last read and last written.
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  // The size's high and low 32 bits.
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;            // reserved
  DWORD dwReserved1;            // reserved
  char cFileName[260];          // the entry's name, without its folder
  char cAlternateFileName[14];  // its 8.3 short name on Windows, else empty
};

#endif
