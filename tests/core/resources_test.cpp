#include "corekit/platform/resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using corekit::platform::FindModuleResource;
using corekit::platform::LockModuleResource;
using corekit::platform::ModuleResourceSize;

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
