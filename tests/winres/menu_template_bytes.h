#pragma once

// Menu templates written byte by byte, as resource compilers write them, for the menu tests.

#include <string>
#include <vector>

#include "corekit/platform/types.h"
#include "tests/support/little_endian.h"

class MenuTemplateBytes {
public:
  // The header of the normal format (version 0) or of the extended one (version 1, help id 0).
  static MenuTemplateBytes Normal() { return MenuTemplateBytes().Word(0).Word(0); }
  static MenuTemplateBytes Extended() { return MenuTemplateBytes().Word(1).Word(4).Dword(0); }

  // An item of the normal format; a popup has no id.
  MenuTemplateBytes& Item(WORD flags, WORD id, const std::u16string& text) {
    return Word(flags).Word(id).Text(text);
  }
  MenuTemplateBytes& Popup(WORD flags, const std::u16string& text) {
    return Word(flags | MF_POPUP).Text(text);
  }

  // An item of the extended format: flags 1 opens a popup (whose help id follows), 0x80 ends the
  // list.
  MenuTemplateBytes& ExtendedItem(DWORD type, DWORD state, DWORD id, WORD flags,
                                  const std::u16string& text) {
    Dword(type).Dword(state).Dword(id).Word(flags).Text(text);
    while (m_bytes.size() % 4 != 0) m_bytes.push_back(0);
    if (flags & 1) Dword(0);
    return *this;
  }

  MenuTemplateBytes& Word(WORD value) {
    AppendWord(m_bytes, value);
    return *this;
  }
  MenuTemplateBytes& Dword(DWORD value) {
    AppendDword(m_bytes, value);
    return *this;
  }
  MenuTemplateBytes& Text(const std::u16string& text) {
    for (const char16_t unit : text) Word(static_cast<WORD>(unit));
    return Word(0);
  }

  const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
  std::vector<BYTE> m_bytes;
};
