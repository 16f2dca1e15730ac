#pragma once

// The Windows data model as the library's own code sees it: the types its interface names, COM's
// ids and result codes, and the rest of the model that only the library uses (TRUE and FALSE,
// MAX_PATH, the directory search and menu records and flags, ...). On Windows it is the SDK's
// <windows.h>. The library's .cpp files and internal headers include it; the exported headers never
// do, so that none of this reaches a user's code.

#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

#  include <windows.h>

#else

#  include <cstddef>
#  include <cstdint>

#  include "corekit/platform/com_base.h"
#  include "corekit/platform/find_data.h"
#  include "corekit/platform/interface_types.h"
#  include "corekit/platform/menu_functions.h"
#  include "corekit/platform/resource_functions.h"

using INT = std::int32_t;
using LANGID = std::uint16_t;
using LCID = std::uint32_t;
using COLORREF = std::uint32_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using LPCVOID = const void*;
using LPSTR = char*;
using LPCSTR = const char*;

#  define COREKIT_DECLARE_HANDLE(name) \
    struct name##__;                   \
    using name = name##__*

COREKIT_DECLARE_HANDLE(HKL);
COREKIT_DECLARE_HANDLE(HBITMAP);
#  undef COREKIT_DECLARE_HANDLE

#  define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(~static_cast<std::uintptr_t>(0)))

#  ifndef TRUE
#    define TRUE 1
#  endif
#  ifndef FALSE
#    define FALSE 0
#  endif

#  define DLL_PROCESS_DETACH 0
#  define DLL_PROCESS_ATTACH 1
#  define DLL_THREAD_ATTACH 2
#  define DLL_THREAD_DETACH 3

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};

// Paths and the directory search.
#  define MAX_PATH 260
#  define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#  define FILE_ATTRIBUTE_NORMAL 0x00000080
#  define MOVEFILE_REPLACE_EXISTING 0x00000001
#  define MOVEFILE_COPY_ALLOWED 0x00000002

// The item flags of menu templates.
#  define MF_STRING 0x00000000
#  define MF_GRAYED 0x00000001
#  define MF_DISABLED 0x00000002
#  define MF_BITMAP 0x00000004
#  define MF_CHECKED 0x00000008
#  define MF_POPUP 0x00000010
#  define MF_MENUBARBREAK 0x00000020
#  define MF_MENUBREAK 0x00000040
#  define MF_END 0x00000080
#  define MF_OWNERDRAW 0x00000100
#  define MF_SEPARATOR 0x00000800
#  define MF_HELP 0x00004000

#endif

static_assert(sizeof(LONG) == 4 && sizeof(ULONG) == 4 && sizeof(DWORD) == 4 && sizeof(HRESULT) == 4,
              "the interface's long types are 32-bit on every platform");
static_assert(sizeof(SYSTEMTIME) == 16 && sizeof(GUID) == 16 && sizeof(RGBTRIPLE) == 3 &&
                  sizeof(FILETIME) == 8 && sizeof(WIN32_FIND_DATAA) == 320,
              "records keep their Windows layout");
