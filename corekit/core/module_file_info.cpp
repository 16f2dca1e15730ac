#include "corekit/core/module_file_info.h"

#include <climits>
#include <string>
#include <vector>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/version_info.h"

namespace corekit::internal {
namespace {

// The position just after the path's last separator, 0 when it has none.
int NameStart(const KString& path) {
  const char* text = path;
  const char* slash = platform::MultibyteFindLast(text, '/');
  const char* backslash = platform::MultibyteFindLast(text, '\\');
  const char* last = slash > backslash ? slash : backslash;
  return last != nullptr ? static_cast<int>(last - text) + 1 : 0;
}

}  // namespace

KString FolderOfPath(const KString& path) { return path.Left(NameStart(path)); }

KString BareNameOfPath(const KString& path) {
  const KString name = path.Mid(NameStart(path));
  const char* dot = platform::MultibyteFind(name, '.');
  return dot != nullptr ? name.Left(static_cast<int>(dot - static_cast<const char*>(name))) : name;
}

bool VersionTextOfFile(const KString& path, const char* name, KString& text) {
  const std::vector<BYTE> block = platform::FileVersionInfo(path);
  const std::string query = std::string("\\StringFileInfo\\") + "040904B0" + "\\" + name;
  std::string value;
  if (block.empty() || !platform::QueryVersionText(block, query.c_str(), value)) return false;
  text = value.c_str();
  return true;
}

ULONG VersionNumberOfText(const KString& text) {
  if (text.GetLength() < 2) return 0;
  const char* p = static_cast<const char*>(text) + 2;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // Digits beyond the range of int saturate rather than overflow.
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<ULONG>(static_cast<int>(value));
}

}  // namespace corekit::internal
