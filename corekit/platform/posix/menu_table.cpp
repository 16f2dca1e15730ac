#include "corekit/platform/posix/menu_table.h"

#include <new>
#include <set>
#include <utility>

namespace corekit::platform::posix {
namespace {

// Handles are spaced like the system's and start above the small numbers that a caller might
// pass by mistake.
constexpr std::uintptr_t FirstHandle = 0x10000;
constexpr std::uintptr_t HandleStep = 4;

std::uintptr_t Key(HMENU handle) { return reinterpret_cast<std::uintptr_t>(handle); }

}  // namespace

MenuTable& MenuTable::Process() {
  // Menus may be destroyed by static objects that outlive a function-local table, so its storage
  // is never released; at unload the table only empties itself and keeps answering "no menu".
  alignas(MenuTable) static unsigned char storage[sizeof(MenuTable)];
  static MenuTable* const table = new (storage) MenuTable;
  static const struct Release {
    ~Release() {
      std::lock_guard<std::mutex> guard(table->Lock());
      table->Clear();
    }
  } release;
  return *table;
}

HMENU MenuTable::Add(Menu menu) {
  m_lastHandle = m_lastHandle == 0 ? FirstHandle : m_lastHandle + HandleStep;
  m_menus.emplace(m_lastHandle, std::move(menu));
  return reinterpret_cast<HMENU>(m_lastHandle);
}

Menu* MenuTable::Find(HMENU handle) {
  const auto found = m_menus.find(Key(handle));
  return found == m_menus.end() ? nullptr : &found->second;
}

bool MenuTable::Remove(HMENU handle) {
  if (Find(handle) == nullptr) return false;
  // A submenu may be shared or already gone; each handle is removed once.
  std::vector<HMENU> pending{handle};
  while (!pending.empty()) {
    const auto found = m_menus.find(Key(pending.back()));
    pending.pop_back();
    if (found == m_menus.end()) continue;
    for (const MenuItem& item : found->second) {
      if (item.subMenu != nullptr) pending.push_back(item.subMenu);
    }
    m_menus.erase(found);
  }
  return true;
}

bool MenuTable::Contains(HMENU outer, HMENU inner) const {
  std::set<std::uintptr_t> seen;
  std::vector<HMENU> pending{outer};
  while (!pending.empty()) {
    const HMENU menu = pending.back();
    pending.pop_back();
    if (menu == inner) return true;
    if (!seen.insert(Key(menu)).second) continue;
    const auto found = m_menus.find(Key(menu));
    if (found == m_menus.end()) continue;
    for (const MenuItem& item : found->second) {
      if (item.subMenu != nullptr) pending.push_back(item.subMenu);
    }
  }
  return false;
}

void MenuTable::Clear() { m_menus.clear(); }

}  // namespace corekit::platform::posix
