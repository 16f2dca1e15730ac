#include "corekit/util/file_finder.h"

#include "corekit/platform/directory_search.h"

TFileFinder::TFileFinder(const KString& pattern)
    : findData(),
      handle(corekit::platform::StartDirectorySearch(pattern, &findData)),
      done(handle == INVALID_HANDLE_VALUE) {}

TFileFinder::~TFileFinder() {
  if (handle != INVALID_HANDLE_VALUE) corekit::platform::EndDirectorySearch(handle);
}

TFileFinder& TFileFinder::Next() {
  if (!corekit::platform::NextDirectoryEntry(handle, &findData)) done = true;
  return *this;
}
