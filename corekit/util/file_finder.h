#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/find_data.h"
#include "corekit/platform/interface_types.h"

// TFileFinder: walks the entries that match a search pattern such as "C:\\data\\*.job".
//   for (TFileFinder found(pattern); !found.done; found.Next()) use(found.findData.cFileName);
class COREKIT_API TFileFinder {
public:
  // Starts the search; the first entry is current, or done is true at once when nothing matches
  // (also for a pattern of more than 259 characters).
  explicit TFileFinder(const KString& pattern);
  // Ends the search.
  ~TFileFinder();
  TFileFinder(const TFileFinder&) = delete;
  TFileFinder& operator=(const TFileFinder&) = delete;

  // Makes the next entry current; done becomes true when there is none.
  TFileFinder& Next();

  WIN32_FIND_DATAA findData;  // the current entry
  HANDLE handle;              // the system's search, INVALID_HANDLE_VALUE when none started
  bool done;                  // true when there is no current entry
};
