#include "corekit/platform/text_file.h"

#include <cstdio>
#include <vector>

namespace corekit::platform {

bool ReadTextFile(const char* path, std::string& content) {
  std::FILE* file = std::fopen(path, "rt");
  if (file == nullptr) return false;
  // The length from the end position bounds what text mode reads; line ends read shorter.
  std::fseek(file, 0, SEEK_END);
  const long length = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 2);
  const std::size_t read = std::fread(buffer.data(), 1, buffer.size() - 2, file);
  std::fclose(file);
  content.assign(buffer.data(), read);
  return true;
}

}  // namespace corekit::platform
