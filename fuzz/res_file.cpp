// Compiled resource files (.res): the entries are walked as the POSIX resource index walks them,
// each entry must lie within the image, and the data of string tables, menus and version blocks
// goes on to their readers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "corekit/winres/menu_template.h"
#include "corekit/winres/res_format.h"
#include "corekit/winres/string_block.h"
#include "corekit/winres/version_block.h"
#include "fuzz/expect.h"

namespace {

namespace winres = corekit::winres;

constexpr WORD MenuType = 4;
constexpr WORD StringTableType = 6;
constexpr WORD VersionType = 16;

// A wanted type or name finds a stored one when both have a key and the keys are equal.
bool Matches(const winres::ResId& id, const char* wanted) {
  const std::optional<std::string> key = winres::ResIdKey(id);
  return key && key == winres::ResIdKey(wanted);
}

// A text id matches its own text in lower case; a number matches itself and its "#" form.
void CheckIdMatches(const winres::ResId& id) {
  if (id.isNumber) {
    if (id.number != 0) EXPECT(Matches(id, MAKEINTRESOURCEA(id.number)));
    EXPECT(Matches(id, ("#" + std::to_string(id.number)).c_str()));
    return;
  }
  std::string lower;
  for (std::size_t i = 0; i < id.length; ++i) {
    const char16_t unit = id.At(i);
    if (unit == 0 || unit >= 0x80) return;
    lower += static_cast<char>(unit >= u'A' && unit <= u'Z' ? unit + 32 : unit);
  }
  if (!lower.empty() && lower[0] == '#') return;  // "#123" would name a number
  EXPECT(lower.empty() || Matches(id, lower.c_str()));
}

void CheckStringBlock(const BYTE* data, std::size_t size) {
  std::size_t used = 0;
  for (unsigned index = 0; index < 16; ++index) {
    const std::optional<std::u16string> text = winres::StringBlockEntry(data, size, index);
    if (!text) {
      EXPECT(!winres::StringBlockEntry(data, size,
                                       index + 1));  // the entries after it are missing too
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
    if (winres::VersionBlockText(data, size, path, text)) {
      EXPECT(2 * text.size() <= size && text.find(u'\0') == std::u16string::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t offset = 0;
  for (std::size_t at = offset;; at = offset) {
    winres::ResEntry entry;
    if (!winres::NextResEntry(data, size, offset, entry)) break;
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
        std::vector<winres::MenuTemplateItem> items;
        if (!winres::ReadMenuTemplate(entry.data, entry.size, items)) EXPECT(items.empty());
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
