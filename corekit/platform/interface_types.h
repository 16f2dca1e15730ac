#pragma once

// The Windows types that the library's exported interface names. On Windows they are declared here
// exactly as the SDK declares them, so that a user's code sees the same types whether it includes
// <windows.h> or not, and the library's headers do not bring <windows.h> in. On POSIX they are the
// library's own definitions of types.h.

#if defined(_WIN32)

typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned short WORD;
typedef LONG HRESULT;

struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HWND__;
typedef struct HWND__* HWND;
typedef void* HANDLE;
typedef HANDLE HGLOBAL;

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

#include "corekit/platform/types.h"

#endif
