#include "corekit/platform/posix/native_path.h"

#include <cstring>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/path_conventions.h"

namespace corekit::platform {

std::string NativePath(const char* path) {
  std::string text(path);
  // The replacement keeps every character's length, so the positions found stay valid.
  for (const char* found = MultibyteFind(text.c_str(), '\\'); found != nullptr;
       found = MultibyteFind(found + 1, '\\')) {
    text[static_cast<std::size_t>(found - text.c_str())] = '/';
  }
  return text;
}

bool CopyAnswer(const std::string& answer, char* buffer) {
  if (answer.size() >= static_cast<std::size_t>(PathBufferSize)) return false;
  std::memcpy(buffer, answer.c_str(), answer.size() + 1);
  return true;
}

}  // namespace corekit::platform
