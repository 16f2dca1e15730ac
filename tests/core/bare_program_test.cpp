// This program carries no resources: what the library reports of it comes from its file.
#include <gtest/gtest.h>

#include <string>

#include "corekit/core/app_info.h"

namespace {

TEST(AppInfo, ProgramWithoutVersionBlockIsNamedByItsFile) {
  EXPECT_EQ(std::string(GetAppName()), "platform_tests");
  EXPECT_EQ(GetModuleVersion(nullptr), 4096u);
}

}  // namespace
