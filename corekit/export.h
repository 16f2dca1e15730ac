#pragma once

// COREKIT_API marks the library's exported classes and functions. The library's own objects are
// built with COREKIT_BUILDING; code that links those objects directly (the tests) defines
// COREKIT_STATIC so that nothing is imported.
#if defined(COREKIT_STATIC)
#  if defined(_WIN32)
#    define COREKIT_API
#  else
#    define COREKIT_API __attribute__((visibility("default")))
#  endif
#elif defined(_WIN32)
#  if defined(COREKIT_BUILDING)
#    define COREKIT_API __declspec(dllexport)
#  else
#    define COREKIT_API __declspec(dllimport)
#  endif
#else
#  define COREKIT_API __attribute__((visibility("default")))
#endif

// COREKIT_EXPORTED_INLINE marks an inline member of an exported class that the library still
// exports as a function, for programs built when it was one. A Windows DLL exports the inline
// members of its exported classes by itself; an ELF build hides inline functions, so the library's
// own build gives these default visibility and emits them although nothing in it calls them.
#if defined(COREKIT_BUILDING) && !defined(_WIN32)
#  define COREKIT_EXPORTED_INLINE __attribute__((visibility("default"), used))
#else
#  define COREKIT_EXPORTED_INLINE
#endif
