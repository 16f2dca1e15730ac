#include "corekit/errors/std_error_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "corekit/errors/error_reporter.h"
#include "corekit/platform/system_message.h"
#include "tests/errors/thread_language_scope.h"

#if defined(_WIN32)
#include "corekit/platform/win32/formatted_message.h"
#endif

namespace {

using corekit::internal::SystemErrorText;

class StdErrorTextTest : public testing::Test {
protected:
  ThreadLanguageScope m_english{0x0409};
};

TEST_F(StdErrorTextTest, TheLibrarysCodesGiveItsTexts) {
  const struct {
    const char* text;
    std::vector<DWORD> codes;
  } cases[] = {
      {"Name cannot be empty", {0x80040001}},
      {"Value cannot be negative", {0x80040010}},
      {"File format was not recognized", {0x80040102}},
      {"No data in file", {0x80040104, 0x00040104}},
      {"Object with this name already exists", {0x80040301, 0x00040301}},
      {"Not a valid choice", {0x80040302, 0x00040302}},
      {"could not open file", {0x80040510}},
      {"Not a valid KFF file", {0x80040511, 0x80040515, 0x80040519}},
      {"Not a valid KFF file signature", {0x8004051B}},
      {"File not found", {0x00000002}},
      {"Field cannot be saved", {0x000400A3}},
      {"Some of the values are too long to be saved in this file format", {0x000400A4, 0x000400A5}},
      // Facility 4 outside the table, of either severity, is left to the modules' reporters.
      {"", {0x80040000, 0x8004050F, 0x8004051C, 0x00040510, 0x00040105}},
  };
  for (const auto& c : cases) {
    for (const DWORD code : c.codes) {
      EXPECT_STREQ(corekit::internal::StdErrorText(LONG(code), "", "", ""), c.text)
          << std::hex << code;
    }
  }
}

TEST_F(StdErrorTextTest, OtherCodesGiveTheSystemsTextWithoutItsLineEnd) {
  std::string raw;
  ASSERT_TRUE(corekit::platform::SystemMessageText(5, "", "", "", raw));
  ASSERT_GT(raw.size(), 2u);
  EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
  const std::string text = raw.substr(0, raw.size() - 2);
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
  EXPECT_EQ(std::string(TErrorReporter::ErrorToText(5)), text);
#if !defined(_WIN32)
  EXPECT_EQ(text, std::strerror(5));
#endif
  // A Win32 code and its HRESULT form have one text; code 0 and the COM codes have texts too.
  EXPECT_EQ(std::string(TErrorReporter::ErrorToText(LONG(0x80070005))), text);
  for (const DWORD code : {0x00000000u, 0x80004001u, 0x80004005u, 0x80070057u}) {
    const KString other = SystemErrorText(LONG(code), "", "", "");
    EXPECT_FALSE(other.IsEmpty()) << std::hex << code;
    EXPECT_EQ(other.Find('\n'), -1) << other;
    EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(code)), other);
  }
  // Codes the system does not know have no text.
  for (const DWORD code : {0x80AB1234u, 0x20001234u, 0x0000FFFEu}) {
    EXPECT_FALSE(corekit::platform::SystemMessageText(LONG(code), "", "", "", raw)) << code;
  }
}

TEST(SystemErrorText, TheLineEndIsCutOnlyWhenThereIsMore) {
  const std::pair<std::string, const char*> cases[] = {
      {"", ""}, {"\r\n", ""}, {"ab", ""}, {"a\r\n", "a"}};
  for (const auto& [text, cut] : cases) {
    EXPECT_STREQ(corekit::internal::WithoutLineEnd(text), cut) << text;
  }
}

#if defined(_WIN32)
TEST(SystemErrorText, InsertsBeyondTheThirdStayEmpty) {
  std::string text;
  ASSERT_TRUE(corekit::platform::FormattedMessage(FORMAT_MESSAGE_FROM_STRING,
                                                  "<%1|%2|%3|%4|%9|%99>", 0, "a", "b", "c", text));
  EXPECT_EQ(text, "<a|b|c|||>");
}

TEST_F(StdErrorTextTest, SystemTextsReceiveTheInserts) {
  // ERROR_BAD_EXE_FORMAT names the file in its insert %1.
  const KString text = SystemErrorText(193, "survey.exe", "", "");
  EXPECT_NE(text.Find("survey.exe"), -1) << text;
  EXPECT_STREQ(TErrorReporter::ErrorToText(193, "survey.exe", "", ""), text);
}
#endif

}  // namespace
