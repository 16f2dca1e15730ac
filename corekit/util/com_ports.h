#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/util/collection.h"

// Hands the name of every serial port the system knows ("COM3" on Windows, "/dev/ttyUSB0" on
// POSIX) to the collection, each with the flag 1, in the system's order, and returns their number.
// The collection is not emptied first. A port whose name or entry does not fit 64 bytes ends the
// listing; no ports, or a system list that cannot be read, give 0.
COREKIT_API int EnumComPorts(kx_std::base_coll<kx_std::s_d<KString, KString>>& ports);
