#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"

// The first name that accept takes: base itself, then base cut to fit maxLength - 1 characters
// with a number (1), (2), ... appended. BuildUniqName("Point", 10, ...) tries Point, Point(1),
// Point(2) ...; BuildUniqName("Traverse", 8, ...) tries Traverse, Trav(1) ... Trav(9), Tra(10).
// The context is handed to accept unchanged. It ends only when accept takes a name.
COREKIT_API KString BuildUniqName(const KString& base, int maxLength,
                                  bool (*accept)(const KString& candidate, void* context),
                                  void* context);
