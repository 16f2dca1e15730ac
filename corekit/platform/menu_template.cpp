#include "corekit/platform/menu_template.h"

#include <utility>

namespace corekit::platform {
namespace {

constexpr WORD ExtendedPopup = 0x01;
constexpr WORD ExtendedLast = 0x80;

// A cursor over the template's bytes; every read checks the bounds and fails once past them.
class TemplateReader {
public:
  TemplateReader(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}

  bool AtEnd() const { return m_at >= m_size; }

  bool Word(WORD& value) {
    if (m_size - m_at < 2) return false;
    value = static_cast<WORD>(m_data[m_at] | (m_data[m_at + 1] << 8));
    m_at += 2;
    return true;
  }

  bool Dword(DWORD& value) {
    WORD low = 0, high = 0;
    if (!Word(low) || !Word(high)) return false;
    value = static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
    return true;
  }

  // A NUL-terminated UTF-16 text.
  bool Text(std::u16string& text) {
    text.clear();
    for (WORD unit = 0;;) {
      if (!Word(unit)) return false;
      if (unit == 0) return true;
      text.push_back(static_cast<char16_t>(unit));
    }
  }

  bool Skip(std::size_t count) {
    if (m_size - m_at < count) return false;
    m_at += count;
    return true;
  }

  // Moves to the next multiple of four bytes from the template's start.
  bool AlignToDword() { return Skip((4 - m_at % 4) % 4); }

private:
  const BYTE* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

bool ReadNormalItems(TemplateReader& reader, int depth, std::vector<MenuTemplateItem>& items) {
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

bool ReadExtendedItems(TemplateReader& reader, int depth, std::vector<MenuTemplateItem>& items) {
  if (depth > MenuTemplateMaxDepth) return false;
  for (WORD flags = 0; !(flags & ExtendedLast);) {
    MenuTemplateItem item;
    DWORD type = 0, state = 0, id = 0;
    if (!reader.Dword(type) || !reader.Dword(state) || !reader.Dword(id) || !reader.Word(flags) ||
        !reader.Text(item.text) || !reader.AlignToDword()) {
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
  TemplateReader reader(data, size);
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

}  // namespace corekit::platform
