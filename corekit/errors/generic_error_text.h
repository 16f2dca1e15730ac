#pragma once

#include <string>

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

namespace corekit::internal {

// The generic text of a code that no reporter knows: format (the library's string 4041, in
// English "Error # %lx") with the code in place of its conversion. An empty format gives an empty
// text. GenericErrorText("Error # %lx", 0x80040502) is "Error # 80040502".
KString GenericErrorText(const KString& format, LONG code);

// A translated format made safe for formatting one 32-bit number: its first conversion of the
// forms %lx, %x, %lX, %X, %lu, %u, %ld, %d, %li, %i (each with an optional '#') stays, "%%" stays,
// and every other percent sign is doubled so that it prints as itself. "%s %lx %lx" gives
// "%%s %lx %%lx".
std::string SafeErrorFormat(const char* format);

}  // namespace corekit::internal
