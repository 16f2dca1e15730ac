#include "corekit/platform/text_file.h"

#include <fstream>
#include <iterator>

namespace corekit::platform {

// POSIX files have no text mode: its two rules are applied to the bytes read.
bool ReadTextFile(const char* path, std::string& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  content.clear();
  content.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\x1A') break;
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    content += bytes[i];
  }
  return true;
}

}  // namespace corekit::platform
