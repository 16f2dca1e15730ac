#include "corekit/translate/menu_translation.h"

#include <cstddef>
#include <cstring>

#include "corekit/core/kstring.h"
#include "corekit/platform/menus.h"
#include "corekit/platform/module_file.h"
#include "corekit/platform/resources.h"
#include "corekit/translate/find_resource.h"
#include "corekit/translate/menu_resource.h"
#include "corekit/translate/translate_text.h"
#include "corekit/util/split_path.h"

namespace {

const char* const MenuType = MAKEINTRESOURCEA(4);

// The item record as the translation fills it. Its size leaves out the last field, hbmpItem,
// which the translation does not use: 44 bytes on 32-bit systems, 72 on 64-bit ones; systems
// accept the record with or without that field. The mask asks for state, id, submenu, check
// marks, type with text, and item data; the text buffer of 256 bytes is announced as 255.
constexpr UINT ItemRecordSize = offsetof(MENUITEMINFOA, hbmpItem);
constexpr UINT ItemRecordMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
constexpr int ItemTextBufferSize = 256;
constexpr UINT ItemTextCapacity = 255;
// The longest translation written into an item.
constexpr int MaxTranslatedLength = 254;

// The menu template of the module in the language (with its fallbacks), built into a menu; found
// is false when the module has no such template or it cannot be locked.
HMENU BuildMenu(HMODULE module, WORD menuId, WORD language, bool allowNeutral, bool& found) {
  const HRSRC resource =
      FindResourceFallback(module, MenuType, MAKEINTRESOURCEA(menuId), language, allowNeutral);
  found = resource != nullptr && corekit::platform::LockModuleResource(module, resource) != nullptr;
  return found ? LoadMenuResource(module, resource) : nullptr;
}

}  // namespace

HMENU LoadTranslatedMenu(HMODULE module, WORD menuId, WORD language, const char* name) {
  bool found = false;
  const HMENU own = BuildMenu(module, menuId, language, false, found);
  if (found) return own;
  const HMENU english = BuildMenu(module, menuId, GetBaseLanguage(), true, found);
  if (!found) return nullptr;
  return TranslateMenu(english, module, GetBaseLanguage(), language, name);
}

HMENU TranslateMenu(HMENU menu, HMODULE module, WORD fromLanguage, WORD toLanguage,
                    const char* name) {
  const std::string file = corekit::platform::ModuleFileName(module);
  const KString title = TSplitPath(file.c_str()).Compose(TSplitPath::NamePart);
  const char* dictionary = name != nullptr ? name : title.GetString();

  const int count = corekit::platform::MenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    char text[ItemTextBufferSize] = {};
    MENUITEMINFOA item{};
    item.cbSize = ItemRecordSize;
    item.fMask = ItemRecordMask;
    item.fType = 0;
    item.hSubMenu = nullptr;
    item.dwTypeData = text;
    item.cch = ItemTextCapacity;
    const UINT at = static_cast<UINT>(position);
    if (!corekit::platform::ReadMenuItem(menu, at, item)) continue;

    if (item.hSubMenu != nullptr) {
      TranslateMenu(item.hSubMenu, module, fromLanguage, toLanguage, name);
    }
    if (item.fType & MFT_SEPARATOR) continue;

    const KString translated = TranslateText(KString(text), fromLanguage, toLanguage, dictionary);
    if (translated.IsEmpty()) continue;
    const int length =
        translated.GetLength() < MaxTranslatedLength ? translated.GetLength() : MaxTranslatedLength;
    std::memcpy(text, translated.GetString(), static_cast<std::size_t>(length));
    text[length] = '\0';
    corekit::platform::WriteMenuItem(menu, at, item);
  }
  return menu;
}
