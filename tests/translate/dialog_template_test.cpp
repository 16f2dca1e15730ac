#include "corekit/translate/dialog_template.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/loaded_module.h"

namespace {

// The caption of a dialog template, DIALOG or DIALOGEX: after the fixed header come the menu and
// the window class, each a 0, 0xFFFF and a number, or a text; then the caption text.
std::string DialogCaption(const void* data) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  const auto unit = [bytes](std::size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
  const bool extended = unit(0) == 1 && unit(2) == 0xFFFF;
  std::size_t at = extended ? 26 : 18;
  for (int field = 0; field < 2; ++field) {
    if (unit(at) == 0xFFFF) {
      at += 4;
    } else {
      while (unit(at) != 0) at += 2;
      at += 2;
    }
  }
  std::string caption;
  for (; unit(at) != 0; at += 2) caption += static_cast<char>(unit(at));
  return caption;
}

TEST(LockDialogTemplate, FallsBackToTheDefaultSublanguageAndNeutral) {
  const LoadedModule plugin(MENU_PLUGIN);
  ASSERT_NE(plugin.Get(), nullptr);
  const struct {
    const char* name;
    WORD language;
    const char* caption;
  } cases[] = {
      {MAKEINTRESOURCEA(200), 0x0407, "Vermessung"},
      {MAKEINTRESOURCEA(200), 0x0807, "Vermessung"},  // Swiss German: German
      {MAKEINTRESOURCEA(200), 0x040C, "Neutral"},
      {MAKEINTRESOURCEA(200), 0x0009, "Neutral"},
      {"#200", 0x0407, "Vermessung"},
      {"SURVEY", 0x0009, "Survey"},
      {"survey", 0x0009, "Survey"},
      // English is no fallback of a dialog, and 0x0409 has no other sublanguage to try.
      {"SURVEY", 0x0407, nullptr},
      {"SURVEY", 0x0409, nullptr},
      {MAKEINTRESOURCEA(201), 0x0407, nullptr},
      {MAKEINTRESOURCEA(100), 0x0407, nullptr},  // a menu of that name is no dialog
  };
  for (const HMODULE module : {HMODULE(nullptr), plugin.Get()}) {
    for (const auto& c : cases) {
      const std::string label = (IS_INTRESOURCE(c.name) ? "#number" : c.name) + std::string(" ") +
                                std::to_string(c.language);
      const void* data = LockDialogTemplate(module, c.name, c.language);
      if (c.caption == nullptr) {
        EXPECT_EQ(data, nullptr) << label;
      } else {
        ASSERT_NE(data, nullptr) << label;
        EXPECT_EQ(DialogCaption(data), c.caption) << label;
      }
    }
  }
}

}  // namespace
