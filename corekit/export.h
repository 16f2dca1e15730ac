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
// exports as a function, for programs built when it was one. The build hides inline functions
// (-fvisibility-inlines-hidden, on Windows -fno-keep-inline-dllexport), so on ELF the mark gives
// them default visibility in every unit of the library, and the one unit that defines
// COREKIT_EMIT_EXPORTED_INLINES emits them; a Windows build compiles that unit with
// -fkeep-inline-dllexport instead.
#if defined(COREKIT_BUILDING) && !defined(_WIN32)
#  if defined(COREKIT_EMIT_EXPORTED_INLINES)
#    define COREKIT_EXPORTED_INLINE __attribute__((visibility("default"), used))
#  else
#    define COREKIT_EXPORTED_INLINE __attribute__((visibility("default")))
#  endif
#else
#  define COREKIT_EXPORTED_INLINE
#endif
