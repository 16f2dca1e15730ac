#include "corekit/platform/resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using corekit::platform::FindModuleResource;
using corekit::platform::LockModuleResource;
using corekit::platform::ModuleResourceSize;

const char* const StringType = MAKEINTRESOURCEA(6);

// Whether the module has the string-table block of an id in exactly that language.
bool HasBlock(HMODULE module, unsigned id, WORD language) {
  return FindModuleResource(module, StringType, MAKEINTRESOURCEA((id >> 4) + 1), language) !=
         nullptr;
}

TEST(ModuleResources, FindsBlocksInExactlyTheGivenLanguage) {
  const struct {
    unsigned id;
    WORD language;
    bool found;
  } cases[] = {
      {100, 0x0009, true},  {100, 0x0407, true}, {100, 0x0000, true},  {100, 0x0409, false},
      {100, 0x0807, false}, {117, 0x0009, true}, {117, 0x0407, false}, {4000, 0x0009, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasBlock(nullptr, c.id, c.language), c.found) << c.id << " in " << c.language;
  }
}

TEST(ModuleResources, NamesAndTypesByNumberOrText) {
  const char* const RawData = MAKEINTRESOURCEA(10);
  const struct {
    const char* type;
    const char* name;
    const char* data;
  } cases[] = {
      {RawData, "sample", "sample data"},
      {"#10", "Sample", "sample data"},
      {"SURVEYDATA", MAKEINTRESOURCEA(42), "typed by name"},
      {"surveydata", "#42", "typed by name"},
      {RawData, "SAMPLES", nullptr},
      {RawData, "#0", nullptr},
      {"SURVEY", MAKEINTRESOURCEA(42), nullptr},
  };
  for (const auto& c : cases) {
    const HRSRC found = FindModuleResource(nullptr, c.type, c.name, 0x0009);
    const std::string label = IS_INTRESOURCE(c.name) ? "#number" : c.name;
    if (c.data == nullptr) {
      EXPECT_EQ(found, nullptr) << label;
      continue;
    }
    ASSERT_NE(found, nullptr) << label;
    const auto* data = static_cast<const char*>(LockModuleResource(nullptr, found));
    ASSERT_NE(data, nullptr) << label;
    EXPECT_EQ(std::string(data, ModuleResourceSize(nullptr, found)), c.data) << label;
  }
  // Null handles lock nothing.
  EXPECT_EQ(LockModuleResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(ModuleResourceSize(nullptr, nullptr), 0u);
}

}  // namespace
