#include "corekit/platform/version_info.h"

#include "corekit/platform/posix/icu_text.h"
#include "corekit/platform/posix/resource_notes.h"
#include "corekit/winres/res_format.h"
#include "corekit/winres/version_block.h"

namespace corekit::platform {
namespace {

constexpr WORD VersionType = 16;
constexpr WORD VersionName = 1;

}  // namespace

// The first version resource of the file, in whatever language, as the system takes it.
std::vector<BYTE> FileVersionInfo(const char* path) {
  for (const std::vector<BYTE>& image : posix::FileResourceImages(path)) {
    std::size_t offset = 0;
    winres::ResEntry entry;
    while (winres::NextResEntry(image.data(), image.size(), offset, entry)) {
      if (entry.type.isNumber && entry.type.number == VersionType && entry.name.isNumber &&
          entry.name.number == VersionName) {
        return std::vector<BYTE>(entry.data, entry.data + entry.size);
      }
    }
  }
  return {};
}

bool QueryVersionText(const std::vector<BYTE>& block, const char* path, std::string& text) {
  std::u16string value;
  if (!winres::VersionBlockText(block.data(), block.size(), path, value)) return false;
  text = posix::ToProcessEncoding(
      icu::UnicodeString(value.data(), static_cast<int32_t>(value.size())));
  return true;
}

}  // namespace corekit::platform
