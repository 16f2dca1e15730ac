#include "corekit/winres/version_block.h"

#include <string_view>

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {
namespace {

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
  ByteReader reader(block, size);
  WORD length = 0, valueLength = 0, type = 0;
  if (!reader.Seek(at) || !reader.Word(length) || !reader.Word(valueLength) || !reader.Word(type)) {
    return false;
  }
  if (length < 6 || length > size - at) return false;
  node.end = at + length;
  node.text = type == 1;
  node.key = reader.Position();
  // The key ends within the node.
  ByteReader key(block, node.end);
  if (!key.Seek(node.key) || !key.SkipText(node.keyLength)) return false;
  node.value = AlignToDword(key.Position());
  // A text value counts code units, any other value bytes.
  node.valueBytes = node.text ? 2 * std::size_t{valueLength} : valueLength;
  if (node.value > node.end || node.valueBytes > node.end - node.value) {
    node.value = node.end;
    node.valueBytes = 0;
  }
  node.children = AlignToDword(node.value + node.valueBytes);
  return true;
}

bool KeyIs(const BYTE* block, const Node& node, std::string_view wanted) {
  if (node.keyLength != wanted.size()) return false;
  ByteReader key(block + node.key, 2 * node.keyLength);
  for (const char c : wanted) {
    WORD unit = 0;
    if (!key.Word(unit) || AsciiUpper(static_cast<char16_t>(unit)) !=
                               AsciiUpper(static_cast<char16_t>(static_cast<unsigned char>(c)))) {
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
      child = AlignToDword(candidate.end);
    }
    if (!found) return false;
  }
  // The value up to its first NUL.
  text.clear();
  ByteReader value(block + node.value, node.valueBytes);
  for (WORD unit = 0; value.Word(unit) && unit != 0;) text += static_cast<char16_t>(unit);
  return true;
}

}  // namespace corekit::winres
