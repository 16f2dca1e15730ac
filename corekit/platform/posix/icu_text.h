#pragma once

// ICU helpers shared by the POSIX services: the user's locale and the process's multibyte encoding.

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <string>

namespace corekit::platform::posix {

// Which use a locale is chosen for: texts follow LC_ALL, then LC_MESSAGES, then LANG; date and
// time formats follow LC_ALL, then LC_TIME, then LANG.
enum class LocaleUse { Messages, Time };

// The user's locale for a use, read from the environment at each call: "en_US" where none is set,
// it is the C or POSIX locale, or ICU has no data for its language (as Windows falls back to
// English (United States) for an unknown user locale).
icu::Locale UserLocale(LocaleUse use);

// The name of the process's multibyte encoding: the C library's, or UTF-8 while the process is in
// the plain ASCII "C" locale.
std::string ProcessEncoding();

// Text between UTF-16 and the process's encoding. Characters the encoding cannot hold become '?',
// as Windows writes them; bytes that are no character of the encoding become U+FFFD.
std::string ToProcessEncoding(const icu::UnicodeString& text);
icu::UnicodeString FromProcessEncoding(const std::string& text);

}  // namespace corekit::platform::posix
