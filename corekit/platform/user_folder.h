#pragma once

#include <string>

namespace corekit::platform {

// The user's data folder of the given name: the user's profile directory, the platform's separator,
// the name and a separator again, created when it does not exist yet. Empty when the profile
// directory is unknown or the folder's path does not fit the path buffer.
std::string UserDataFolder(const char* name);

// The path of that folder in the profile directory, without creating it: profile, a separator
// unless profile ends with one, name and a separator; empty when profile is empty or the path would
// have more than 259 characters.
std::string UserFolderPath(const std::string& profile, const char* name);

}  // namespace corekit::platform
