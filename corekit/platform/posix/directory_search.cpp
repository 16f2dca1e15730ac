#include "corekit/platform/directory_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/posix/native_path.h"

namespace corekit::platform {
namespace {

// Seconds between 1601-01-01, where FILETIME counts from, and 1970-01-01.
constexpr std::uint64_t FileTimeEpochOffset = 11644473600;

struct Search {
  DIR* folder = nullptr;
  std::string pattern;        // for fnmatch
  std::string patternNoDots;  // the pattern without a final ".*", or empty
};

FILETIME ToFileTime(const timespec& time) {
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(time.tv_sec) + FileTimeEpochOffset) * 10000000u +
      static_cast<std::uint64_t>(time.tv_nsec) / 100u;
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// A Windows name pattern for fnmatch: "[" stands for itself (only * and ? are wildcards).
std::string MatchPattern(const std::string& name) {
  std::string pattern;
  const char* text = name.c_str();
  for (const char* found = MultibyteFind(text, '['); found != nullptr;
       found = MultibyteFind(text, '[')) {
    pattern.append(text, found);
    pattern += "[[]";
    text = found + 1;
  }
  return pattern + text;
}

bool Matches(const Search& search, const char* name) {
  return fnmatch(search.pattern.c_str(), name, FNM_NOESCAPE) == 0 ||
         (!search.patternNoDots.empty() &&
          fnmatch(search.patternNoDots.c_str(), name, FNM_NOESCAPE) == 0);
}

bool Fill(DIR* folder, const char* name, WIN32_FIND_DATAA* data) {
  if (std::strlen(name) >= sizeof data->cFileName) return false;
  struct stat status {};
  // A link that leads nowhere is reported as the link itself.
  if (fstatat(dirfd(folder), name, &status, 0) != 0 &&
      fstatat(dirfd(folder), name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
    return false;
  }
  *data = WIN32_FIND_DATAA{};
  data->dwFileAttributes =
      S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  data->ftCreationTime = ToFileTime(status.st_ctim);
  data->ftLastAccessTime = ToFileTime(status.st_atim);
  data->ftLastWriteTime = ToFileTime(status.st_mtim);
  const auto size = static_cast<std::uint64_t>(status.st_size);
  data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(size);
  std::strcpy(data->cFileName, name);
  return true;
}

bool NextMatch(Search& search, WIN32_FIND_DATAA* data) {
  while (const dirent* entry = readdir(search.folder)) {
    if (Matches(search, entry->d_name) && Fill(search.folder, entry->d_name, data)) return true;
  }
  return false;
}

}  // namespace

HANDLE StartDirectorySearch(const char* pattern, WIN32_FIND_DATAA* data) {
  if (std::strlen(pattern) >= sizeof data->cFileName) return INVALID_HANDLE_VALUE;
  const std::string path = NativePath(pattern);
  const char* slash = MultibyteFindLast(path.c_str(), '/');
  const std::string folder = slash == nullptr        ? std::string(".")
                             : slash == path.c_str() ? std::string("/")
                                                     : std::string(path.c_str(), slash);
  const std::string name = slash == nullptr ? path : std::string(slash + 1);
  if (name.empty()) return INVALID_HANDLE_VALUE;

  auto search = std::make_unique<Search>();
  search->pattern = MatchPattern(name);
  if (name.size() >= 2 && name.compare(name.size() - 2, 2, ".*") == 0) {
    search->patternNoDots = MatchPattern(name.substr(0, name.size() - 2));
  }
  search->folder = opendir(folder.c_str());
  if (search->folder == nullptr || !NextMatch(*search, data)) {
    EndDirectorySearch(search.release());
    return INVALID_HANDLE_VALUE;
  }
  return search.release();
}

bool NextDirectoryEntry(HANDLE search, WIN32_FIND_DATAA* data) {
  if (search == nullptr || search == INVALID_HANDLE_VALUE) return false;
  return NextMatch(*static_cast<Search*>(search), data);
}

void EndDirectorySearch(HANDLE search) {
  if (search == nullptr || search == INVALID_HANDLE_VALUE) return;
  auto* state = static_cast<Search*>(search);
  if (state->folder != nullptr) closedir(state->folder);
  delete state;
}

}  // namespace corekit::platform
