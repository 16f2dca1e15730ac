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
#  include "corekit/platform/interface_types.h"

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

COREKIT_DECLARE_HANDLE(HMENU);
COREKIT_DECLARE_HANDLE(HKL);
COREKIT_DECLARE_HANDLE(HRSRC);
COREKIT_DECLARE_HANDLE(HBITMAP);
#  undef COREKIT_DECLARE_HANDLE

// A resource type or name given by number instead of by text.
#  define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#  define IS_INTRESOURCE(r) ((reinterpret_cast<std::uintptr_t>(r) >> 16) == 0)

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

// A time in 100-nanosecond intervals since 1601-01-01 UTC.
struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  char cFileName[MAX_PATH];
  char cAlternateFileName[14];
};

// Menus: the item record that GetMenuItemInfoA and SetMenuItemInfoA read and write, with its
// mask, type and state flags, and the item flags of menu templates.
struct MENUITEMINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  HBITMAP hbmpChecked;
  HBITMAP hbmpUnchecked;
  ULONG_PTR dwItemData;
  LPSTR dwTypeData;
  UINT cch;
  HBITMAP hbmpItem;
};
static_assert(offsetof(MENUITEMINFOA, hbmpItem) == (sizeof(void*) == 8 ? 72 : 44) &&
                  sizeof(MENUITEMINFOA) == (sizeof(void*) == 8 ? 80 : 48),
              "the menu item record keeps its Windows layout");

#  define MIIM_STATE 0x00000001
#  define MIIM_ID 0x00000002
#  define MIIM_SUBMENU 0x00000004
#  define MIIM_CHECKMARKS 0x00000008
#  define MIIM_TYPE 0x00000010
#  define MIIM_DATA 0x00000020
#  define MIIM_STRING 0x00000040
#  define MIIM_BITMAP 0x00000080
#  define MIIM_FTYPE 0x00000100

#  define MFT_STRING 0x00000000
#  define MFT_BITMAP 0x00000004
#  define MFT_MENUBARBREAK 0x00000020
#  define MFT_MENUBREAK 0x00000040
#  define MFT_OWNERDRAW 0x00000100
#  define MFT_RADIOCHECK 0x00000200
#  define MFT_SEPARATOR 0x00000800
#  define MFT_RIGHTORDER 0x00002000
#  define MFT_RIGHTJUSTIFY 0x00004000

#  define MFS_ENABLED 0x00000000
#  define MFS_GRAYED 0x00000003
#  define MFS_DISABLED MFS_GRAYED
#  define MFS_CHECKED 0x00000008
#  define MFS_HILITE 0x00000080
#  define MFS_DEFAULT 0x00001000

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
