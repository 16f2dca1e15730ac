#pragma once

#include "corekit/export.h"

// Brackets the use of OLE on the calling thread: initialises it on construction and uninitialises
// it on destruction (on POSIX the library's own per-thread component services).
class COREKIT_API TOleUser {
public:
  // Initialises OLE on the calling thread; the destructor uninitialises it.
  TOleUser();
  ~TOleUser();
  TOleUser(const TOleUser&) = delete;
  // Changes nothing.
  TOleUser& operator=(const TOleUser&);
};
