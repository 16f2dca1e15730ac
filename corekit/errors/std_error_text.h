#pragma once

#include <string>

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

namespace corekit::internal {

// The answer of the library's own reporter, which stands first in the chain: the library's text
// for a code of its table, nothing for other codes of facility 4 (the interface facility, whose
// codes belong to the modules that define them, so the reporters behind it are asked), and the
// system's message text for every other code the system knows.
KString StdErrorText(LONG code, const KString& text1, const KString& text2, const KString& text3);

// The id of the library's string for a code of the standard reporter's table; 0 for codes that
// are not in it. StdErrorStringId(0x80040515) is 4011, "Not a valid KFF file".
unsigned StdErrorStringId(LONG code) noexcept;

// The system's message text for code without the line end that closes it, the inserts %1 to %3
// filled from the three texts (inserts beyond %3 empty); empty when the system has none.
KString SystemErrorText(LONG code, const KString& text1, const KString& text2,
                        const KString& text3);

// A system message without the two characters of its closing line end; empty for a text of two
// characters or fewer, which holds nothing else.
KString WithoutLineEnd(const std::string& text);

}  // namespace corekit::internal
