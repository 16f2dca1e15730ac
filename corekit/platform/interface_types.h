#pragma once

// The Windows types that the library's exported interface names, and nothing more: a user's code
// that includes the library's headers keeps its own TRUE, MAX_PATH and the like. On Windows they
// are declared here exactly as the SDK declares them, so that a user's code sees the same types
// whether it includes <windows.h> or not, and these headers do not bring <windows.h> in. On POSIX
// they are the library's own, with the Windows widths and layouts: LONG and ULONG stay 32-bit,
// handles are distinct opaque pointer types and the records keep their Windows layout.

#if defined(_WIN32)

typedef int BOOL;
typedef unsigned char BYTE;
typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned long DWORD;
typedef unsigned int UINT;
typedef unsigned short WORD;
typedef LONG HRESULT;
#if defined(_WIN64)
typedef long long LONG_PTR;
#else
typedef long LONG_PTR;
#endif

struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HWND__;
typedef struct HWND__* HWND;
typedef void* HANDLE;
typedef HANDLE HGLOBAL;
struct HMENU__;
typedef struct HMENU__* HMENU;
struct HRSRC__;
typedef struct HRSRC__* HRSRC;

#if defined(_WIN64)
typedef long long(__stdcall* FARPROC)();
#else
typedef int(__stdcall* FARPROC)();
#endif

// Colour records, taken by reference only.
typedef struct tagPALETTEENTRY PALETTEENTRY;
typedef struct tagRGBQUAD RGBQUAD;
typedef struct tagRGBTRIPLE RGBTRIPLE;

#else

#include <cstddef>
#include <cstdint>

// The Windows data model's integer types, with their Windows sizes: a 32-bit truth value (0 false),
// 8-, 16- and 32-bit unsigned, 32-bit signed and unsigned "long", 32-bit unsigned, a 32-bit result
// code (negative: failure), sizes, pointer-sized integers, and an untyped pointer.
using BOOL = std::int32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = std::uint32_t;
using HRESULT = std::int32_t;
using SIZE_T = std::size_t;
using LONG_PTR = std::intptr_t;
using LPVOID = void*;
// The generic address of a function looked up in a library: cast it to the function's real type.
using FARPROC = std::intptr_t (*)();

// Handles of a window, a module (the executable or a loaded library; null is the executable), a
// system object, a global memory block, a menu and a found resource: distinct opaque pointer types.
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HANDLE = void*;
using HGLOBAL = HANDLE;
struct HMENU__;
using HMENU = HMENU__*;
struct HRSRC__;
using HRSRC = HRSRC__*;

// A colour of a logical palette: red, green, blue and the palette's flags.
struct PALETTEENTRY {
  // Intensities 0 to 255, then PC_ flags.
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

// A colour of a bitmap's colour table: blue, green, red and a reserved byte, in that order.
struct RGBQUAD {
  // Intensities 0 to 255, then a byte that must be 0.
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

// A 24-bit pixel of a bitmap: blue, green and red, in that order.
struct RGBTRIPLE {
  // Intensities 0 to 255.
  BYTE rgbtBlue;
  BYTE rgbtGreen;
  BYTE rgbtRed;
};

static_assert(sizeof(PALETTEENTRY) == 4 && sizeof(RGBQUAD) == 4 && sizeof(RGBTRIPLE) == 3,
              "colour records keep their Windows layout");

#endif

static_assert(sizeof(LONG) == 4 && sizeof(ULONG) == 4 && sizeof(HRESULT) == 4,
              "the interface's long types are 32-bit on every platform");
