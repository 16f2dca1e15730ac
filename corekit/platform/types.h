#pragma once

// The Windows data model of the library's interface. On Windows these are the SDK's own types; on
// POSIX they are defined here with the same widths and layouts: LONG and ULONG stay 32-bit, handles
// are distinct opaque pointer types and the records keep their Windows layout.

#if defined(_WIN32)

#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>

#else

#  include <cstdint>

using BOOL = std::int32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using HRESULT = std::int32_t;
using LANGID = std::uint16_t;
using LCID = std::uint32_t;
using COLORREF = std::uint32_t;
using SIZE_T = std::size_t;
using LPVOID = void*;
using LPCVOID = const void*;
using LPSTR = char*;
using LPCSTR = const char*;

#  define COREKIT_DECLARE_HANDLE(name) \
    struct name##__;                   \
    using name = name##__*

COREKIT_DECLARE_HANDLE(HWND);
COREKIT_DECLARE_HANDLE(HINSTANCE);
COREKIT_DECLARE_HANDLE(HMENU);
COREKIT_DECLARE_HANDLE(HKL);
COREKIT_DECLARE_HANDLE(HRSRC);
#  undef COREKIT_DECLARE_HANDLE

using HMODULE = HINSTANCE;
using HANDLE = void*;
using HGLOBAL = HANDLE;

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

#  define S_OK (static_cast<HRESULT>(0x00000000L))
#  define S_FALSE (static_cast<HRESULT>(0x00000001L))
#  define E_NOTIMPL (static_cast<HRESULT>(0x80004001L))
#  define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L))
#  define E_POINTER (static_cast<HRESULT>(0x80004003L))
#  define E_FAIL (static_cast<HRESULT>(0x80004005L))
#  define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#  define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
#  define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#  define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

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

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct RGBTRIPLE {
  BYTE rgbtBlue;
  BYTE rgbtGreen;
  BYTE rgbtRed;
};

#endif

static_assert(sizeof(LONG) == 4 && sizeof(ULONG) == 4 && sizeof(DWORD) == 4 && sizeof(HRESULT) == 4,
              "the interface's long types are 32-bit on every platform");
static_assert(sizeof(SYSTEMTIME) == 16 && sizeof(GUID) == 16 && sizeof(RGBTRIPLE) == 3,
              "records keep their Windows layout");
