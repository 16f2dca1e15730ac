#include "corekit/platform/version_info.h"

namespace corekit::platform {

std::vector<BYTE> FileVersionInfo(const char* path) {
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &unused);
  if (size == 0) return {};
  std::vector<BYTE> block(size);
  GetFileVersionInfoA(path, 0, size, block.data());
  return block;
}

bool QueryVersionText(const std::vector<BYTE>& block, const char* path, std::string& text) {
  void* value = nullptr;
  UINT length = 0;
  if (block.empty() || !VerQueryValueA(block.data(), path, &value, &length) || value == nullptr)
    return false;
  text = static_cast<const char*>(value);
  return true;
}

}  // namespace corekit::platform
