// The POSIX message box: the desktop's dialog tools, else standard error. Stand-in tools (shell
// scripts) note how they were called, so that no dialog appears.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "corekit/platform/message_box.h"
#include "tests/support/environment_scope.h"
#include "tests/support/scratch_folder.h"

namespace {

using corekit::platform::SystemMessageBox;

// A folder of stand-in dialog tools that is the whole PATH, with a display named.
class DialogToolsTest : public testing::Test {
protected:
  // A tool that writes its arguments, one a line, to <name>.args and its input to <name>.input.
  void AddTool(const std::string& name, const std::string& first = "") {
    m_folder.Write(name, "#!/bin/sh\nPATH=/usr/bin:/bin\n" + first +
                             "\nprintf '%s\\n' \"$@\" > \"$0.args\"\ncat > \"$0.input\"\n");
    std::filesystem::permissions(m_folder.Entry(name), std::filesystem::perms::owner_all);
  }

  ScratchFolder m_folder;
  EnvironmentScope m_path{"PATH", m_folder.Path().c_str()};
  EnvironmentScope m_display{"DISPLAY", ":77"};
  EnvironmentScope m_wayland{"WAYLAND_DISPLAY", nullptr};
};

TEST_F(DialogToolsTest, ZenityComesFirstAndShowsTheTextAsItIs) {
  AddTool("zenity");
  AddTool("xmessage");
  SystemMessageBox(nullptr, "<b>could not open file</b>", "survey", 0x30);
  EXPECT_EQ(m_folder.Read("zenity.args"),
            "--warning\n--no-markup\n--title=survey\n--text=<b>could not open file</b>\n");
  EXPECT_FALSE(std::filesystem::exists(m_folder.Entry("xmessage.args")));
}

TEST_F(DialogToolsTest, AKilledToolGivesWayToTheNext) {
  AddTool("zenity", "kill -9 $$");
  AddTool("kdialog");
  SystemMessageBox(nullptr, "-looks like an option", "survey", 0x10);
  EXPECT_EQ(m_folder.Read("kdialog.args"), "--title\nsurvey\n--error\n-looks like an option\n");
}

TEST_F(DialogToolsTest, XmessageReadsTheTextFromItsInput) {
  AddTool("xmessage");
  SystemMessageBox(nullptr, "-two\nlines", "survey", 0x30);
  EXPECT_EQ(m_folder.Read("xmessage.args"),
            "-title\nsurvey\n-buttons\nOK\n-default\nOK\n-center\n-file\n-\n");
  EXPECT_EQ(m_folder.Read("xmessage.input"), "-two\nlines");
}

TEST_F(DialogToolsTest, WithoutToolOrDisplayTheTextGoesToStandardError) {
  testing::internal::CaptureStderr();
  SystemMessageBox(nullptr, "could not open file", "survey", 0x30);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "survey: could not open file\n");

  AddTool("zenity");
  const EnvironmentScope noDisplay("DISPLAY", "");
  testing::internal::CaptureStderr();
  SystemMessageBox(nullptr, "text", "caption", 0x30);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "caption: text\n");
  EXPECT_FALSE(std::filesystem::exists(m_folder.Entry("zenity.args")));
}

}  // namespace
