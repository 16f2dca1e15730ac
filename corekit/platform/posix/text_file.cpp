#include "corekit/platform/text_file.h"

#include <cstdio>
#include <cstring>

namespace corekit::platform {

// POSIX files have no text mode: its two rules are applied to the bytes read.
bool ReadTextFile(const char* path, std::string& content) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  content.clear();
  char block[64 * 1024];
  for (std::size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;)
    content.append(block, read);
  // A folder opens but cannot be read.
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return false;

  // A 0x1A byte ends the text; each CR LF pair becomes LF, moved down in place in whole runs.
  if (const void* end = std::memchr(content.data(), '\x1A', content.size()))
    content.resize(static_cast<std::size_t>(static_cast<const char*>(end) - content.data()));
  char* const data = content.data();
  const std::size_t size = content.size();
  std::size_t kept = 0;
  for (std::size_t at = 0; at < size;) {
    const void* cr = std::memchr(data + at, '\r', size - at);
    std::size_t runEnd =
        cr != nullptr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : size;
    const bool dropped = runEnd + 1 < size && data[runEnd + 1] == '\n';
    if (!dropped && runEnd < size) ++runEnd;  // a lone CR stays
    std::memmove(data + kept, data + at, runEnd - at);
    kept += runEnd - at;
    at = dropped ? runEnd + 1 : runEnd;
  }
  content.resize(kept);
  return true;
}

}  // namespace corekit::platform
