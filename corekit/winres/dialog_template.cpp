#include "corekit/winres/dialog_template.h"

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {
namespace {

constexpr DWORD SetFont = 0x40;  // DS_SETFONT, also part of DS_SHELLFONT
constexpr WORD ExtendedMark = 0xFFFF;
constexpr WORD NumberMark = 0xFFFF;

// A menu, class or text field: nothing, a number (text stays empty) or a NUL-terminated text.
bool TextOrNumber(ByteReader& reader, std::u16string& text) {
  text.clear();
  WORD first = 0;
  if (!reader.Word(first)) return false;
  if (first == 0) return true;
  if (first == NumberMark) return reader.Word(first);
  std::u16string rest;
  if (!reader.Text(rest)) return false;
  text = static_cast<char16_t>(first) + rest;
  return true;
}

bool ReadItem(ByteReader& reader, bool extended, DialogTemplateItem& item) {
  DWORD skipped = 0;
  WORD coordinate = 0;
  if (!reader.SkipToDword()) return false;
  if (extended && !reader.Dword(skipped)) return false;                // help id
  if (!reader.Dword(skipped) || !reader.Dword(skipped)) return false;  // styles
  for (int i = 0; i < 4; ++i) {
    if (!reader.Word(coordinate)) return false;
  }
  if (extended) {
    if (!reader.Dword(item.id)) return false;
  } else {
    WORD id = 0;
    if (!reader.Word(id)) return false;
    item.id = id;
  }
  std::u16string windowClass;
  WORD extra = 0;
  if (!TextOrNumber(reader, windowClass) || !TextOrNumber(reader, item.text) ||
      !reader.Word(extra)) {
    return false;
  }
  if (!extended && extra >= 2) extra = static_cast<WORD>(extra - 2);  // the size counts itself
  return reader.Skip(extra);
}

}  // namespace

bool ReadDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& dialog) {
  ByteReader reader(data, size);
  WORD version = 0, mark = 0, count = 0, coordinate = 0;
  DWORD style = 0, skipped = 0;
  if (!reader.Word(version) || !reader.Word(mark)) return false;
  const bool extended = version == 1 && mark == ExtendedMark;
  if (extended) {
    if (!reader.Dword(skipped) || !reader.Dword(skipped) || !reader.Dword(style)) return false;
  } else {
    style = static_cast<DWORD>(version) | (static_cast<DWORD>(mark) << 16);
    if (!reader.Dword(skipped)) return false;
  }
  if (!reader.Word(count)) return false;
  for (int i = 0; i < 4; ++i) {
    if (!reader.Word(coordinate)) return false;
  }
  std::u16string menu, windowClass, font;
  if (!TextOrNumber(reader, menu) || !TextOrNumber(reader, windowClass) ||
      !reader.Text(dialog.caption)) {
    return false;
  }
  if ((style & SetFont) != 0) {
    if (!reader.Word(coordinate)) return false;  // point size
    if (extended && (!reader.Word(coordinate) || !reader.Word(coordinate))) return false;
    if (!reader.Text(font)) return false;
  }
  dialog.items.assign(count, DialogTemplateItem());
  for (DialogTemplateItem& item : dialog.items) {
    if (!ReadItem(reader, extended, item)) return false;
  }
  return true;
}

}  // namespace corekit::winres
