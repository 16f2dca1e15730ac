#include "corekit/platform/path_query.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/posix/native_path.h"

namespace corekit::platform {
namespace {

// An absolute path with "." and ".." resolved and repeated slashes made one, as Windows completes
// a full path; a trailing slash stays.
std::string Normalised(const std::string& absolute) {
  std::vector<std::string> names;
  const char* const text = absolute.c_str();
  const char* const end = text + absolute.size();
  for (const char* start = text; start < end;) {
    const char* slash = MultibyteFind(start, '/');
    const char* stop = slash != nullptr ? slash : end;
    const std::string name(start, stop);
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    start = stop + 1;
  }
  std::string result;
  for (const std::string& name : names) result += '/' + name;
  if (names.empty() || absolute.back() == '/') result += '/';
  return result;
}

// The folder part of a file's path, without its last slash.
std::string FolderOf(const char* file) {
  const char* slash = MultibyteFindLast(file, '/');
  if (slash == nullptr) return {};
  return slash == file ? std::string("/") : std::string(file, slash);
}

}  // namespace

bool LeadingSeparatorIsRoot() { return true; }

bool FullPathName(const char* path, char* buffer) {
  std::string text = NativePath(path);
  if (text.empty()) return false;
  if (text.front() != '/') {
    char current[PATH_MAX];
    if (getcwd(current, sizeof current) == nullptr) return false;
    text = std::string(current) + '/' + text;
  }
  return CopyAnswer(Normalised(text), buffer);
}

bool ShortPathName(const char* path, char* buffer) {
  struct stat status {};
  if (*path == '\0' || stat(NativePath(path).c_str(), &status) != 0) return false;
  return CopyAnswer(path, buffer);
}

bool FileTitle(const char* path, char* buffer) {
  const std::string text = NativePath(path);
  const char* slash = MultibyteFindLast(text.c_str(), '/');
  const char* title = slash != nullptr ? slash + 1 : text.c_str();
  if (*title == '\0') return false;
  return CopyAnswer(title, buffer);
}

bool TempFolderPath(std::string& folder) {
  const char* variable = std::getenv("TMPDIR");
  folder = variable != nullptr && *variable != '\0' ? variable : "/tmp";
  if (folder.back() != '/') folder += '/';
  return true;
}

bool CreateTempFile(const char* folder, const char* prefix, char* buffer) {
  std::string name = NativePath(folder);
  if (!name.empty() && name.back() != '/') name += '/';
  name.append(prefix, strnlen(prefix, 3));
  const std::string suffix = ".tmp";
  name += "XXXXXX" + suffix;
  if (name.size() >= static_cast<std::size_t>(PathBufferSize)) return false;
  const int file = mkstemps(name.data(), static_cast<int>(suffix.size()));
  if (file < 0) return false;
  close(file);
  return CopyAnswer(name, buffer);
}

bool CurrentFolder(char* buffer) { return getcwd(buffer, PathBufferSize) != nullptr; }

bool WindowsFolder(char* buffer) { return CopyAnswer("/", buffer); }

bool SystemFolder(char* buffer) {
  Dl_info library{};
  if (dladdr(reinterpret_cast<const void*>(&std::abort), &library) == 0 ||
      library.dli_fname == nullptr) {
    return false;
  }
  const std::string folder = FolderOf(library.dli_fname);
  return !folder.empty() && CopyAnswer(folder, buffer);
}

bool ComputerName(char* buffer) {
  char host[PathBufferSize] = {};
  if (gethostname(host, sizeof host - 1) != 0) return false;
  std::string name(host);
  name = name.substr(0, name.find('.'));
  return !name.empty() && CopyAnswer(name, buffer);
}

}  // namespace corekit::platform
