#include "corekit/translate/dialog_template.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/platform/types.h"
#include "tests/core/loaded_module.h"

namespace {

// The caption of an extended dialog template without menu and class: a 26-byte header, two zero
// words, then the caption in UTF-16.
std::string DialogCaption(const void* data) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::string caption;
  for (std::size_t at = 30; bytes[at] != 0 || bytes[at + 1] != 0; at += 2) {
    caption += static_cast<char>(bytes[at]);
  }
  return caption;
}

TEST(LockDialogTemplate, FallsBackToTheDefaultSublanguageAndNeutral) {
  const LoadedModule plugin(MENU_PLUGIN);
  const struct {
    const char* name;
    WORD language;
    const char* caption;
  } cases[] = {
      // The order of the fallbacks is ResourceStrings' test; names and types match as
      // ResFormat's test has them.
      {MAKEINTRESOURCEA(200), 0x0807, "Vermessung"},  // Swiss German: German
      {MAKEINTRESOURCEA(200), 0x040C, "Neutral"},
      {"survey", 0x0009, "Survey"},
      {MAKEINTRESOURCEA(100), 0x0407, nullptr},  // a menu of that name is no dialog
  };
  for (const HMODULE module : {HMODULE(nullptr), plugin.Get()}) {
    for (const auto& c : cases) {
      const std::string label = (IS_INTRESOURCE(c.name) ? "#number" : c.name) + std::string(" ") +
                                std::to_string(c.language);
      const void* data = LockDialogTemplate(module, c.name, c.language);
      EXPECT_EQ(data == nullptr ? "<none>" : DialogCaption(data),
                c.caption == nullptr ? "<none>" : c.caption)
          << label;
    }
  }
}

}  // namespace
