// This program and a plug-in, both using the shared library, meet at the library's office of a
// message type of their own; the office serves on after the plug-in that made it is unloaded.
#include <gtest/gtest.h>

#include "corekit/dllload/dll_func_loader.h"
#include "tests/notify/shared_note.h"

namespace {

TEST(NotifyModules, OfficeOutlivesThePluginThatMadeIt) {
  TDLLFuncLoader* plugin = TDLLFuncLoader::LoadDLL(SHARED_OFFICE_PLUGIN);
  // By way of void (*)(), which GCC's cast check accepts.
  const auto functions = reinterpret_cast<const NotePlugin* (*)()>(
      reinterpret_cast<void (*)()>(plugin->GetFunc("NoteFunctions")));
  ASSERT_NE(functions, nullptr) << plugin->GetResult();
  const NotePlugin& notes = *functions();

  int unloads = 0;
  notes.ReportUnloadTo(&unloads);
  notes.Listen();  // the plug-in's target makes the office: this program has not used it yet
  NoteDigits digits;
  PostToOffice(SharedNote{1});
  notes.Post(2);
  EXPECT_EQ(notes.Stop(), 12);
  TDLLFuncLoader::ReleaseDLL(plugin);
  ASSERT_EQ(unloads, 1) << "the plug-in was not unloaded";

  PostToOffice(SharedNote{3});
  EXPECT_EQ(digits.digits, 123);
  // Another type's office (int's) is looked up past the name the plug-in gave first.
  PostToOffice(0);
}

}  // namespace
