#pragma once

#include "corekit/export.h"

// Character-pointer helpers that differ from their C library namesakes in ways the suite relies on.
// They work byte by byte.

// sscanf on the first line of text (up to the first CR or LF) with at most five conversions; 0
// without scanning when the format has no conversion or more than five ("%%" is no conversion,
// "%*d" is one). The targets follow as with sscanf.
COREKIT_API int KXsscanf(const char* text, const char* format, ...);

// The first character of text equal to c (compared as signed bytes), or the text's terminating
// NUL: never null. KXstrchr("abc", 'x') points at the NUL after c.
COREKIT_API char* KXstrchr(char* text, int c);

// The first occurrence of pattern in text, or the text's terminating NUL (also for an empty
// pattern): never null.
COREKIT_API char* KXstrstr(char* text, const char* pattern);
