#include "corekit/platform/user_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "corekit/platform/module_file.h"

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

}  // namespace

std::string UserDataFolder(const char* name) {
  const std::string folder = UserFolderPath(HomeDirectory(), name);
  if (!folder.empty()) mkdir(folder.c_str(), 0777);  // an existing folder is fine
  return folder;
}

}  // namespace corekit::platform
