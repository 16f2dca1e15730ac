#include "corekit/platform/menus.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>

#include "corekit/platform/posix/icu_text.h"
#include "corekit/platform/posix/menu_table.h"
#include "corekit/platform/wide_text.h"
#include "corekit/winres/menu_template.h"

namespace corekit::platform {
namespace {

using posix::Menu;
using posix::MenuItem;
using posix::MenuTable;
using winres::MenuStateFlags;
using winres::MenuTemplateItem;
using winres::MenuTypeFlags;
using winres::ReadMenuTemplate;

// The record is accepted whole, or without its last field hbmpItem (its size on older systems).
constexpr UINT WholeRecord = sizeof(MENUITEMINFOA);
constexpr UINT ShortRecord = offsetof(MENUITEMINFOA, hbmpItem);

// The caller's record as a whole one, the fields past a short record zero; false for a size that
// is neither, or for MIIM_TYPE mixed with the masks that replaced it.
bool TakeRecord(const MENUITEMINFOA& info, MENUITEMINFOA& record) {
  if (info.cbSize != WholeRecord && info.cbSize != ShortRecord) return false;
  record = MENUITEMINFOA{};
  std::memcpy(&record, &info, info.cbSize);
  return !((record.fMask & MIIM_TYPE) && (record.fMask & (MIIM_STRING | MIIM_FTYPE | MIIM_BITMAP)));
}

void GiveRecord(const MENUITEMINFOA& record, MENUITEMINFOA& info) {
  const UINT size = info.cbSize;
  std::memcpy(&info, &record, size);
}

bool IsStringItem(UINT type) { return (type & (MFT_BITMAP | MFT_OWNERDRAW | MFT_SEPARATOR)) == 0; }

// Copies the item's text, in the process's encoding, into the record's buffer: at most cch - 1
// characters and a NUL, cch then counting the characters copied; without a buffer cch receives
// the text's length.
void CopyText(const std::u16string& text, MENUITEMINFOA& record) {
  const std::string bytes = WideToMultibyte(text.data(), text.size());
  const UINT length = static_cast<UINT>(bytes.size());
  if (record.dwTypeData == nullptr || record.cch == 0) {
    record.cch = length;
    return;
  }
  const UINT copied = std::min(length, record.cch - 1);
  std::memcpy(record.dwTypeData, bytes.data(), copied);
  record.dwTypeData[copied] = '\0';
  record.cch = copied;
}

std::u16string TextOf(const char* bytes) {
  if (bytes == nullptr) return {};
  const icu::UnicodeString text = posix::FromProcessEncoding(bytes);
  return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

HMENU AddMenu(MenuTable& table, const std::vector<MenuTemplateItem>& items) {
  Menu menu;
  menu.reserve(items.size());
  for (const MenuTemplateItem& source : items) {
    MenuItem item;
    item.type = source.type;
    item.state = source.state;
    item.id = source.id;
    item.text = source.text;
    if (source.popup) item.subMenu = AddMenu(table, source.children);
    menu.push_back(std::move(item));
  }
  return table.Add(std::move(menu));
}

}  // namespace

HMENU LoadMenuTemplate(const void* menuTemplate, std::size_t size) {
  std::vector<MenuTemplateItem> items;
  if (!ReadMenuTemplate(static_cast<const BYTE*>(menuTemplate), size, items)) return nullptr;
  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  return AddMenu(table, items);
}

int MenuItemCount(HMENU menu) {
  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  const Menu* items = table.Find(menu);
  return items == nullptr ? -1 : static_cast<int>(items->size());
}

bool ReadMenuItem(HMENU menu, UINT position, MENUITEMINFOA& info) {
  MENUITEMINFOA record;
  if (!TakeRecord(info, record)) return false;
  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  const Menu* items = table.Find(menu);
  if (items == nullptr || position >= items->size()) return false;
  const MenuItem& item = (*items)[position];
  const UINT mask = record.fMask;
  if (mask & MIIM_TYPE) {
    // The older mask: a bitmap item gives its bitmap in place of the text, and separators and
    // owner-drawn items give no buffer back.
    record.fType = item.type;
    record.hbmpItem = item.bitmap;
    if (item.type & MFT_BITMAP) {
      record.dwTypeData = reinterpret_cast<LPSTR>(item.bitmap);
      record.cch = 0;
    } else if (item.type & (MFT_OWNERDRAW | MFT_SEPARATOR)) {
      record.dwTypeData = nullptr;
      record.cch = 0;
    }
  }
  if (mask & (MIIM_TYPE | MIIM_STRING)) CopyText(item.text, record);
  if (mask & MIIM_FTYPE) record.fType = item.type;
  if (mask & MIIM_BITMAP) record.hbmpItem = item.bitmap;
  if (mask & MIIM_STATE) record.fState = item.state;
  if (mask & MIIM_ID) record.wID = item.id;
  // The submenu field is cleared when it is not asked for.
  record.hSubMenu = (mask & MIIM_SUBMENU) ? item.subMenu : nullptr;
  if (mask & MIIM_CHECKMARKS) {
    record.hbmpChecked = item.checked;
    record.hbmpUnchecked = item.unchecked;
  }
  if (mask & MIIM_DATA) record.dwItemData = item.data;
  GiveRecord(record, info);
  return true;
}

bool WriteMenuItem(HMENU menu, UINT position, const MENUITEMINFOA& info) {
  MENUITEMINFOA record;
  if (!TakeRecord(info, record)) return false;
  UINT mask = record.fMask;
  // A bitmap is set through MIIM_BITMAP, or through MIIM_TYPE with the bitmap in place of a text.
  if ((mask & MIIM_FTYPE) && (record.fType & MFT_BITMAP)) return false;
  if (mask & MIIM_TYPE) {
    mask |= MIIM_FTYPE;
    if (IsStringItem(record.fType)) {
      mask |= MIIM_STRING;
    } else if (record.fType & MFT_BITMAP) {
      mask |= MIIM_BITMAP;
      record.hbmpItem = reinterpret_cast<HBITMAP>(record.dwTypeData);
    }
  }
  const std::u16string text = (mask & MIIM_STRING) ? TextOf(record.dwTypeData) : std::u16string();

  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  Menu* items = table.Find(menu);
  if (items == nullptr || position >= items->size()) return false;
  // A submenu must exist and must not hold the menu itself, which would make the tree a loop.
  if ((mask & MIIM_SUBMENU) && record.hSubMenu != nullptr &&
      (table.Find(record.hSubMenu) == nullptr || table.Contains(record.hSubMenu, menu))) {
    return false;
  }
  MenuItem& item = (*items)[position];
  if (mask & MIIM_FTYPE) item.type = record.fType & MenuTypeFlags;
  if (mask & MIIM_STRING) item.text = text;
  if (mask & MIIM_BITMAP) item.bitmap = record.hbmpItem;
  if (mask & MIIM_STATE) item.state = record.fState & MenuStateFlags;
  if (mask & MIIM_ID) item.id = record.wID;
  if (mask & MIIM_SUBMENU) item.subMenu = record.hSubMenu;
  if (mask & MIIM_CHECKMARKS) {
    item.checked = record.hbmpChecked;
    item.unchecked = record.hbmpUnchecked;
  }
  if (mask & MIIM_DATA) item.data = record.dwItemData;
  return true;
}

bool DestroyMenuTree(HMENU menu) {
  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  return table.Remove(menu);
}

bool IsMenuHandle(HMENU menu) {
  MenuTable& table = MenuTable::Process();
  std::lock_guard<std::mutex> guard(table.Lock());
  return table.Find(menu) != nullptr;
}

}  // namespace corekit::platform
