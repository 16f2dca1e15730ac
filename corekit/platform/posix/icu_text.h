#pragma once

// ICU helpers shared by the POSIX services: the user's locale and the process's multibyte encoding.

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <string>

namespace corekit::platform::posix {

// The user's locale from the environment (LC_ALL, then LC_TIME, then LANG), "en_US" where none is
// set or it is the C locale. Read at each call.
icu::Locale UserLocale();

// The name of the process's multibyte encoding: the C library's, or UTF-8 while the process is in
// the plain ASCII "C" locale.
std::string ProcessEncoding();

// Text between UTF-16 and the process's encoding; characters the encoding cannot hold become its
// substitute character.
std::string ToProcessEncoding(const icu::UnicodeString& text);
icu::UnicodeString FromProcessEncoding(const std::string& text);

}  // namespace corekit::platform::posix
