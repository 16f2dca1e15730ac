#include "corekit/platform/resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using corekit::platform::FindModuleResource;
using corekit::platform::LockModuleResource;
using corekit::platform::ModuleResourceSize;

// How types and names match is ResFormat's test (IdsMatchNumbersAndTextsWithoutCase); here a
// resource found by a text type and a "#" name, its data and its size.
TEST(ModuleResources, LocksTheDataOfTheResourceFound) {
  const HRSRC found = FindModuleResource(nullptr, "surveydata", "#42", 0x0009);
  ASSERT_NE(found, nullptr);
  const auto* data = static_cast<const char*>(LockModuleResource(nullptr, found));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(data, ModuleResourceSize(nullptr, found)), "typed by name");
  EXPECT_EQ(FindModuleResource(nullptr, "SURVEY", MAKEINTRESOURCEA(42), 0x0009), nullptr);
  // Null handles lock nothing.
  EXPECT_EQ(LockModuleResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(ModuleResourceSize(nullptr, nullptr), 0u);
}

}  // namespace
