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
