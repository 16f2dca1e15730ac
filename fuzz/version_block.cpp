// Version blocks: the text at a query path, for paths taken from the input, must come from within
// the block and hold no terminator.
//
// Input: a byte giving the length of the query path, the path, then the block.

#include "corekit/winres/version_block.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/expect.h"

namespace {

void Check(const BYTE* block, std::size_t size, const std::string& path) {
  std::u16string text;
  if (corekit::winres::VersionBlockText(block, size, path.c_str(), text)) {
    EXPECT(2 * text.size() <= size && text.find(u'\0') == std::u16string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t pathLength = std::min<std::size_t>(data[0], size - 1);
  std::string path(reinterpret_cast<const char*>(data) + 1, pathLength);
  path = path.c_str();
  const BYTE* block = data + 1 + pathLength;
  const std::size_t blockSize = size - 1 - pathLength;
  Check(block, blockSize, path);
  for (const char* common :
       {"\\", "\\StringFileInfo\\040904B0\\ProductName", "\\VarFileInfo\\Translation"}) {
    Check(block, blockSize, common);
  }
  return 0;
}
