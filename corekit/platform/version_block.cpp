#include "corekit/platform/version_block.h"

#include <string_view>

namespace corekit::platform {
namespace {

constexpr std::size_t Align4(std::size_t offset) {
  return (offset + 3) & ~static_cast<std::size_t>(3);
}

char16_t UnitAt(const BYTE* at) { return static_cast<char16_t>(at[0] | (at[1] << 8)); }

char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

// One node of the tree, as offsets into the block.
struct Node {
  std::size_t end = 0;  // one past the node's last byte
  std::size_t key = 0;  // the key's first code unit
  std::size_t keyLength = 0;
  std::size_t value = 0;  // the value's first byte
  std::size_t valueBytes = 0;
  bool text = false;
  std::size_t children = 0;  // the first child's offset
};

bool ReadNode(const BYTE* block, std::size_t size, std::size_t at, Node& node) {
  if (at + 6 > size) return false;
  const std::size_t length = UnitAt(block + at);
  const std::size_t valueLength = UnitAt(block + at + 2);
  if (length < 6 || length > size - at) return false;
  node.end = at + length;
  node.text = UnitAt(block + at + 4) == 1;
  node.key = at + 6;
  std::size_t p = node.key;
  while (true) {
    if (p + 2 > node.end) return false;
    if (UnitAt(block + p) == 0) break;
    p += 2;
  }
  node.keyLength = (p - node.key) / 2;
  node.value = Align4(p + 2);
  // A text value counts code units, any other value bytes.
  node.valueBytes = node.text ? 2 * valueLength : valueLength;
  if (node.value > node.end || node.valueBytes > node.end - node.value) {
    node.value = node.end;
    node.valueBytes = 0;
  }
  node.children = Align4(node.value + node.valueBytes);
  return true;
}

bool KeyIs(const BYTE* block, const Node& node, std::string_view wanted) {
  if (node.keyLength != wanted.size()) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const char16_t unit = UnitAt(block + node.key + 2 * i);
    if (AsciiUpper(unit) !=
        AsciiUpper(static_cast<char16_t>(static_cast<unsigned char>(wanted[i])))) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool VersionBlockText(const BYTE* block, std::size_t size, const char* path, std::u16string& text) {
  Node node;
  if (block == nullptr || path == nullptr || !ReadNode(block, size, 0, node)) return false;
  std::string_view rest(path);
  while (!rest.empty()) {
    if (rest.front() == '\\') {
      rest.remove_prefix(1);
      continue;
    }
    const std::string_view key = rest.substr(0, rest.find('\\'));
    rest.remove_prefix(key.size());
    bool found = false;
    for (std::size_t child = node.children; child < node.end;) {
      Node candidate;
      if (!ReadNode(block, node.end, child, candidate)) return false;
      if (KeyIs(block, candidate, key)) {
        node = candidate;
        found = true;
        break;
      }
      child = Align4(candidate.end);
    }
    if (!found) return false;
  }
  text.clear();
  for (std::size_t at = node.value; at + 2 <= node.value + node.valueBytes; at += 2) {
    const char16_t unit = UnitAt(block + at);
    if (unit == 0) break;
    text += unit;
  }
  return true;
}

}  // namespace corekit::platform
