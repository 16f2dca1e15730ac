#pragma once

#include <string>

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

namespace corekit::internal {

// The generic text of a code that no reporter knows: format (the library's string 4041, in
// English "Error # %lx") with the code in place of its conversion. An empty format gives an empty
// text. GenericErrorText("Error # %lx", 0x80040502) is "Error # 80040502"; a translation
// "Fehler %08lx" gives "Fehler 00000502" for 0x502.
KString GenericErrorText(const KString& format, LONG code);

// The largest width or precision that SafeErrorFormat lets through.
inline constexpr unsigned int MaxErrorFormatField = 32;

// A translated format made safe for formatting one 32-bit number. Its first conversion of the
// form %[-][#][0][width][.precision][l]type, type d, i, u, x or X, stays, and so does "%%"; every
// other percent sign is doubled so that it prints as itself. "%s %lx %lx" gives "%%s %lx %%lx".
//
// Width and precision have at most two digits and are at most 32 (a precision at least 1), so
// that the text grows by at most 32 characters and the Windows formatter's buffer of the format's
// length + 33 always holds it. Also printed as they stand are the forms that wsprintfA reads
// otherwise than printf: '#' with d, i or u or beside a width, a precision with d or i (wsprintfA
// counts the sign as a digit) or beside the '0' flag, and the size prefixes other than 'l'. What
// stays therefore prints as printf prints it, except that '#' writes "0x" before a zero too.
std::string SafeErrorFormat(const char* format);

}  // namespace corekit::internal
