#pragma once

// The process's menus on POSIX, where no system keeps them: each menu is a list of items, named by
// a handle that the table hands out once and never again, so that a destroyed menu's handle stays
// unknown. The menu services of the platform layer work on it.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::platform::posix {

// One item, with the fields of the MENUITEMINFOA record.
struct MenuItem {
  UINT type = 0;   // MFT_ flags
  UINT state = 0;  // MFS_ flags
  UINT id = 0;
  HMENU subMenu = nullptr;  // the menu the item opens; it belongs to this menu
  HBITMAP checked = nullptr;
  HBITMAP unchecked = nullptr;
  HBITMAP bitmap = nullptr;
  ULONG_PTR data = 0;
  std::u16string text;  // empty when the item has no text
};

using Menu = std::vector<MenuItem>;

class MenuTable {
public:
  // The process's table. It stays usable until the process ends; at unload it lets go of the
  // menus still in it.
  static MenuTable& Process();

  // The lock that every caller of the members below holds.
  std::mutex& Lock() { return m_lock; }

  // Takes in a menu and returns its new handle.
  HMENU Add(Menu menu);
  // The menu of a handle, or null when the handle names none.
  Menu* Find(HMENU handle);
  // Removes the menu and the submenus that its items open, at every depth; false when the handle
  // names no menu.
  bool Remove(HMENU handle);
  // True when inner is outer or one of the submenus under it, at any depth.
  bool Contains(HMENU outer, HMENU inner) const;
  // Removes every menu.
  void Clear();

private:
  MenuTable() = default;

  std::mutex m_lock;
  std::map<std::uintptr_t, Menu> m_menus;
  std::uintptr_t m_lastHandle = 0;
};

}  // namespace corekit::platform::posix
