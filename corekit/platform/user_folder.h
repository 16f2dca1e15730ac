#pragma once

#include <string>

namespace corekit::platform {

// The user's data folder of the given name: the user's profile directory, the platform's separator,
// the name and a separator again, created when it does not exist yet. Empty when the profile
// directory is unknown or the folder's path does not fit the path buffer.
std::string UserDataFolder(const char* name);

}  // namespace corekit::platform
