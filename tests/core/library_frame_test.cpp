#include <gtest/gtest.h>

#include "corekit/core/module_chain.h"
#include "corekit/platform/dynamic_library.h"
#include "corekit/platform/library_load.h"
#include "corekit/platform/module_handle.h"

namespace {

using corekit::internal::ExtensionModuleRecord;
using corekit::internal::ModuleChain;

TEST(LibraryFrame, RegisteredBeforeTheFirstCall) {
  // This program holds the library's objects itself, so the library's module is the executable.
  const HINSTANCE self = corekit::platform::SelfModule();
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(self, corekit::platform::ExecutableModule());
  EXPECT_TRUE(corekit::internal::TheModuleChain().Contains(self));
  EXPECT_TRUE(corekit::internal::LibraryModuleRecord().initialised);
  EXPECT_EQ(corekit::internal::LibraryModuleRecord().module, self);
}

TEST(LibraryFrame, EntryRefusesASecondRegistrationAndIgnoresThreads) {
  const HINSTANCE self = corekit::platform::SelfModule();
  const auto before = corekit::internal::TheModuleChain().Modules();
  EXPECT_EQ(corekit::internal::LibraryEntry(self, DLL_THREAD_ATTACH, nullptr), TRUE);
  EXPECT_EQ(corekit::internal::LibraryEntry(self, DLL_THREAD_DETACH, nullptr), TRUE);
  EXPECT_EQ(corekit::internal::LibraryEntry(self, DLL_PROCESS_ATTACH, nullptr), FALSE);
  EXPECT_EQ(corekit::internal::TheModuleChain().Modules(), before);
}

TEST(ModuleChain, LinksNewestFirstAndUnlinksByRecord) {
  ModuleChain chain;
  ExtensionModuleRecord first;
  ExtensionModuleRecord second;
  const auto moduleA = reinterpret_cast<HINSTANCE>(0x10000);
  const auto moduleB = reinterpret_cast<HINSTANCE>(0x20000);

  ASSERT_TRUE(chain.InitExtensionModule(first, moduleA));
  EXPECT_FALSE(chain.InitExtensionModule(first, moduleB));  // a record registers once
  EXPECT_EQ(first.module, moduleA);
  chain.LinkLibrary(first);
  ASSERT_TRUE(chain.InitExtensionModule(second, moduleB));
  chain.LinkLibrary(second);
  EXPECT_EQ(chain.Modules(), (std::vector<HINSTANCE>{moduleB, moduleA}));
  chain.LinkLibrary(first);  // linked twice: both links go with the record

  chain.TermExtensionModule(first);
  EXPECT_EQ(chain.Modules(), (std::vector<HINSTANCE>{moduleB}));
  EXPECT_FALSE(first.initialised);
  EXPECT_TRUE(chain.InitExtensionModule(first, moduleA));  // usable again once terminated
}

TEST(LibraryFrame, SharedLibraryLoadsAndUnloadsRepeatedly) {
  for (int round = 0; round < 3; ++round) {
    DWORD error = 1;
    const HMODULE library = corekit::platform::LoadDynamicLibrary(COREKIT_LIBRARY_FILE, &error);
    ASSERT_NE(library, nullptr) << "round " << round << ", error " << error;
    EXPECT_EQ(error, 0u);
    EXPECT_NE(library, corekit::platform::ExecutableModule());

    // An exported member, by its C++ name on both platforms: KString::Mid(int, int) const.
    void* mid = corekit::platform::FindLibrarySymbol(library, "_ZNK7KString3MidEii");
    ASSERT_NE(mid, nullptr);
    EXPECT_EQ(corekit::platform::ModuleOfAddress(mid), library);
    // Internal functions are not exported.
    EXPECT_EQ(corekit::platform::FindLibrarySymbol(library, "_ZN7corekit8platform10SelfModuleEv"),
              nullptr);
    EXPECT_TRUE(corekit::platform::FreeDynamicLibrary(library));
  }
}

TEST(LibraryFrame, EmptyNameAndNullHandleAreRefused) {
  // An empty name is no library (dlopen would give the program itself).
  DWORD error = 0;
  EXPECT_EQ(corekit::platform::LoadDynamicLibrary("", &error), nullptr);
  EXPECT_FALSE(corekit::platform::FreeDynamicLibrary(nullptr));
}

}  // namespace
