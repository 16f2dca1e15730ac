#pragma once

#include <string>

namespace corekit::platform {

// The user's data folder of the given name: the folder where the user's programs keep their data
// (Windows: the user's profile directory; POSIX: $XDG_DATA_HOME, else ~/.local/share), the
// platform's separator, the name and a separator again, created with the folders above it when
// it does not exist yet. Empty when that folder is unknown or the path does not fit the path
// buffer.
std::string UserDataFolder(const char* name);

// The path of that folder in the profile directory, without creating it: profile, a separator
// unless profile ends with one, name and a separator; empty when profile is empty or the path would
// have more than 259 characters.
std::string UserFolderPath(const std::string& profile, const char* name);

}  // namespace corekit::platform
