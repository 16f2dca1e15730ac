#include "corekit/platform/user_folder.h"

#include "corekit/platform/path_conventions.h"

namespace corekit::platform {

std::string UserFolderPath(const std::string& profile, const char* name) {
  if (profile.empty()) return {};
  std::string folder = profile;
  if (folder.back() != PathSeparator) folder += PathSeparator;
  folder += name;
  folder += PathSeparator;
  return folder.size() < static_cast<std::size_t>(PathBufferSize) ? folder : std::string();
}

}  // namespace corekit::platform
