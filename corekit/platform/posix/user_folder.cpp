#include "corekit/platform/user_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace corekit::platform {
namespace {

// The user's home directory: $HOME, else the password database's entry; empty when neither knows.
std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

// Where Linux programs keep their users' data: $XDG_DATA_HOME when it is an absolute path (a
// relative one is ignored), else .local/share in the home directory.
std::string DataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && *data == '/') return data;
  const std::string home = HomeDirectory();
  if (home.empty()) return {};
  return home + (home.back() == '/' ? "" : "/") + ".local/share";
}

// Creates the folders of path that are missing, readable by the user alone as data folders are
// made; an existing one is left as it is.
void MakeFolders(const std::string& path) {
  for (std::size_t end = path.find('/', 1); end != std::string::npos; end = path.find('/', end + 1))
    mkdir(path.substr(0, end).c_str(), 0700);
  mkdir(path.c_str(), 0700);
}

}  // namespace

std::string UserDataFolder(const char* name) {
  const std::string base = DataHome();
  const std::string folder = UserFolderPath(base, name);
  if (folder.empty()) return folder;
  MakeFolders(base);
  mkdir(folder.c_str(), 0777);  // an existing folder is fine
  return folder;
}

}  // namespace corekit::platform
