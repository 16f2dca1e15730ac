// Compiled resource files (.res): the entries are walked as the POSIX resource index walks them,
// each entry must lie within the image, and the data of string tables, menus and version blocks
// goes on to their readers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "corekit/platform/menu_template.h"
#include "corekit/platform/res_format.h"
#include "corekit/platform/version_block.h"
#include "corekit/translate/resource_strings.h"
#include "fuzz/expect.h"

namespace {

namespace platform = corekit::platform;

constexpr WORD MenuType = 4;
constexpr WORD StringTableType = 6;
constexpr WORD VersionType = 16;

// A text id matches its own text in lower case; a number matches itself and its "#" form.
void CheckIdMatches(const platform::ResId& id) {
  if (id.isNumber) {
    if (id.number != 0) EXPECT(platform::ResIdMatches(id, MAKEINTRESOURCEA(id.number)));
    EXPECT(platform::ResIdMatches(id, ("#" + std::to_string(id.number)).c_str()));
    return;
  }
  std::string lower;
  for (std::size_t i = 0; i < id.length; ++i) {
    const char16_t unit = id.At(i);
    if (unit == 0 || unit >= 0x80) return;
    lower += static_cast<char>(unit >= u'A' && unit <= u'Z' ? unit + 32 : unit);
  }
  if (!lower.empty() && lower[0] == '#') return;  // "#123" would name a number
  EXPECT(lower.empty() || platform::ResIdMatches(id, lower.c_str()));
}

void CheckStringBlock(const BYTE* data, std::size_t size) {
  std::size_t used = 0;
  for (unsigned index = 0; index < 16; ++index) {
    const std::optional<std::u16string> text = StringBlockEntry(data, size, index);
    if (!text) {
      EXPECT(!StringBlockEntry(data, size, index + 1));  // the entries after it are missing too
      return;
    }
    used += 2 + 2 * text->size();
    EXPECT(used <= size);
  }
}

void CheckVersionBlock(const BYTE* data, std::size_t size) {
  for (const char* path : {"", "\\", "\\StringFileInfo\\040904B0\\ProductName",
                           "\\StringFileInfo\\040904b0\\FileVersion", "\\VarFileInfo\\Translation",
                           "\\\\StringFileInfo\\\\"}) {
    std::u16string text;
    if (platform::VersionBlockText(data, size, path, text)) {
      EXPECT(2 * text.size() <= size && text.find(u'\0') == std::u16string::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t offset = 0;
  for (std::size_t at = offset;; at = offset) {
    platform::ResEntry entry;
    if (!platform::NextResEntry(data, size, offset, entry)) break;
    EXPECT(offset > at && offset <= size + 3);
    EXPECT(entry.data > data + at && entry.data + entry.size <= data + size);
    CheckIdMatches(entry.type);
    CheckIdMatches(entry.name);
    if (!entry.type.isNumber) continue;
    switch (entry.type.number) {
      case StringTableType:
        CheckStringBlock(entry.data, entry.size);
        break;
      case MenuType: {
        std::vector<platform::MenuTemplateItem> items;
        if (!platform::ReadMenuTemplate(entry.data, entry.size, items)) EXPECT(items.empty());
        break;
      }
      case VersionType:
        CheckVersionBlock(entry.data, entry.size);
        break;
      default:
        break;
    }
  }
  return 0;
}
