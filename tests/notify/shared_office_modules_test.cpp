// This program and a plug-in, both using the shared library, meet at the library's office of a
// message type of their own; the office serves on after the plug-in that made it is unloaded.
#include <gtest/gtest.h>

#include "corekit/dllload/dll_func_loader.h"
#include "tests/notify/shared_note.h"

namespace {

struct LaterNote {};

TEST(NotifyModules, OfficeOutlivesThePluginThatMadeIt) {
  TDLLFuncLoader* plugin = TDLLFuncLoader::LoadDLL(SHARED_OFFICE_PLUGIN);
  const auto listen = reinterpret_cast<void (*)(int*)>(plugin->GetFunc("NoteListen"));
  const auto stop = reinterpret_cast<int (*)()>(plugin->GetFunc("NoteStop"));
  const auto post = reinterpret_cast<void (*)(int)>(plugin->GetFunc("NotePost"));
  ASSERT_TRUE(listen != nullptr && stop != nullptr && post != nullptr) << plugin->GetResult();

  int unloads = 0;
  listen(&unloads);  // the plug-in's target makes the office: this program has not used it yet
  NoteDigits digits;
  PostToOffice(SharedNote{1});
  post(2);
  EXPECT_EQ(stop(), 12);
  TDLLFuncLoader::ReleaseDLL(plugin);
  ASSERT_EQ(unloads, 1) << "the plug-in was not unloaded";

  PostToOffice(SharedNote{3});
  NoteDigits later;
  PostToOffice(SharedNote{4});
  EXPECT_EQ(digits.digits, 1234);
  EXPECT_EQ(later.digits, 4);
  // Another type's office is looked up past the name the plug-in gave first.
  PostToOffice(LaterNote{});
}

}  // namespace
