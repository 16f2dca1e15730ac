#include "corekit/winres/menu_template.h"

#include <utility>

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {
namespace {

constexpr WORD ExtendedPopup = 0x01;
constexpr WORD ExtendedLast = 0x80;

bool ReadNormalItems(ByteReader& reader, int depth, std::vector<MenuTemplateItem>& items) {
  if (depth > MenuTemplateMaxDepth) return false;
  for (WORD flags = 0; !(flags & MF_END);) {
    MenuTemplateItem item;
    WORD id = 0;
    if (!reader.Word(flags)) return false;
    item.popup = (flags & MF_POPUP) != 0;
    if (!item.popup && !reader.Word(id)) return false;
    if (!reader.Text(item.text)) return false;
    item.id = id;
    if (!item.popup && item.text.empty()) flags |= MF_SEPARATOR;
    item.type = flags & MenuTypeFlags;
    // MF_END has the value of MFS_HILITE; it ends the list and is no state. A separator of this
    // format is grayed, as the system makes it.
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (flags & MF_SEPARATOR) item.state |= MFS_GRAYED;
    if (item.popup && !ReadNormalItems(reader, depth + 1, item.children)) return false;
    items.push_back(std::move(item));
  }
  return true;
}

bool ReadExtendedItems(ByteReader& reader, int depth, std::vector<MenuTemplateItem>& items) {
  if (depth > MenuTemplateMaxDepth) return false;
  for (WORD flags = 0; !(flags & ExtendedLast);) {
    MenuTemplateItem item;
    DWORD type = 0, state = 0, id = 0;
    if (!reader.Dword(type) || !reader.Dword(state) || !reader.Dword(id) || !reader.Word(flags) ||
        !reader.Text(item.text) || !reader.SkipToDword()) {
      return false;
    }
    item.type = type & MenuTypeFlags;
    item.state = state & MenuStateFlags;
    item.id = id;
    item.popup = (flags & ExtendedPopup) != 0;
    if (item.popup) {
      DWORD helpId = 0;
      if (!reader.Dword(helpId) || !ReadExtendedItems(reader, depth + 1, item.children)) {
        return false;
      }
    } else if (item.text.empty()) {
      item.type |= MFT_SEPARATOR;
    }
    items.push_back(std::move(item));
  }
  return true;
}

}  // namespace

bool ReadMenuTemplate(const BYTE* data, std::size_t size, std::vector<MenuTemplateItem>& items) {
  items.clear();
  if (data == nullptr) return false;
  ByteReader reader(data, size);
  WORD version = 0, offset = 0;
  if (!reader.Word(version) || !reader.Word(offset) || !reader.Skip(offset)) return false;
  // A menu without items is written as the header alone.
  if (reader.AtEnd()) return version <= 1;
  bool read = false;
  switch (version) {
    case 0:
      read = ReadNormalItems(reader, 0, items);
      break;
    case 1:
      read = ReadExtendedItems(reader, 0, items);
      break;
    default:
      break;
  }
  if (!read) items.clear();
  return read;
}

}  // namespace corekit::winres
