#include "corekit/errors/std_error_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "corekit/errors/error_reporter.h"
#include "corekit/errors/lib_string.h"
#include "corekit/platform/resources.h"
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

// Every string of the library's table with its English text and the codes that select it,
// written out here from the list itself rather than taken from the code's table.
TEST_F(StdErrorTextTest, EveryCodeOfTheListGivesItsString) {
  const struct {
    unsigned id;
    const char* text;
    std::vector<DWORD> codes;  // none: no code selects the string
  } rows[] = {
      {4000, "Unknown error", {}},
      {4001, "Name cannot be empty", {0x80040001}},
      {4002, "Name is too long", {0x80040002}},
      {4003, "Name cannot be changed", {0x80040003}},
      {4004, "Name must be unique", {0x80040004}},
      {4006, "Value cannot be negative", {0x80040010}},
      {4007, "Value cannot be empty", {0x80040408}},
      {4010, "could not open file", {0x80040510}},
      {4011, "Not a valid KFF file", {0x80040511, 0x80040515, 0x80040519}},
      {4012, "Not a valid KFF file version", {0x8004051A}},
      {4013, "Not a valid KFF file signature", {0x8004051B}},
      {4014, "File format was not recognized", {0x80040102}},
      {4016, "Value must be positive", {0x80040011}},
      {4017, "Value is out of range", {0x80040012}},
      {4018, "Object is in use and cannot be modified", {0x80040410}},
      {4019, "There is no registered viewer for this file", {0x80040103}},
      {4030, "Object with this name already exists", {0x80040301, 0x00040301}},
      {4031, "Cannot connect to the device", {0x80040040}},
      {4032, "N", {}},
      {4033, "S", {}},
      {4034, "E", {}},
      {4035, "W", {}},
      {4036, "DLL not found", {0x80040021}},
      {4037, "Value not chosen", {0x80040014}},
      {4038, "Not a valid choice", {0x80040302, 0x00040302}},
      {4039, "Cannot be deleted", {0x80040412}},
      {4040, "File not found", {0x00000002}},
      {4041, "Error # %lx", {}},
      {4042, "Field cannot be saved", {0x000400A3}},
      {4043, "No data in file", {0x80040104, 0x00040104}},
      {4047, "Invalid file", {0x80040050}},
      {4048, "File is read-only", {0x80040105}},
      {4049, "Some of the values are too long to be saved in this file format", {0x000400A4}},
      {4050, "Some of the values are too long to be saved in this file format", {0x000400A5}},
      {4051, "Invalid input", {0x80040015}},
      {4052, "Unknown format version", {0x80040106}}};
  // The table is in language 0x0009 (English, neutral sublanguage) alone.
  EXPECT_EQ(corekit::platform::FindModuleResource(nullptr, MAKEINTRESOURCEA(6),
                                                  MAKEINTRESOURCEA(4000 / 16 + 1), 0x0409),
            nullptr);
  for (const auto& row : rows) {
    EXPECT_STREQ(corekit::internal::LoadLibString(row.id), row.text) << row.id;
    for (const DWORD code : row.codes) {
      EXPECT_EQ(corekit::internal::StdErrorStringId(LONG(code)), row.id) << std::hex << code;
      EXPECT_STREQ(corekit::internal::StdErrorText(LONG(code), "", "", ""), row.text);
    }
  }
  // Codes of facility 4 beside the list's, of either severity, are left to the modules'
  // reporters: also 0x80040154, for which the system may have a text.
  for (const DWORD code : {0x80040000u, 0x80040154u, 0x8004050Fu, 0x8004051Cu, 0x00040510u,
                           0x00040105u, 0xA0040001u}) {
    EXPECT_STREQ(corekit::internal::StdErrorText(LONG(code), "", "", ""), "") << std::hex << code;
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
  // Codes the system does not know have no text, also those one bit away from a system error's
  // HRESULT.
  for (const DWORD code :
       {0x80AB1234u, 0x20001234u, 0x0000FFFEu, 0x00070005u, 0x80060005u, 0x80170005u}) {
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

#if !defined(_WIN32)
// The COM codes the library returns have the texts Windows gives them.
TEST(SystemErrorText, TheLibrarysComCodesHaveTheirTexts) {
  const std::pair<DWORD, const char*> texts[] = {
      {0x80004001, "Not implemented"},
      {0x80004002, "No such interface supported"},
      {0x80004003, "Invalid pointer"},
      {0x80004005, "Unspecified error"},
      {0x8000FFFF, "Catastrophic failure"},
      {0x8007000E, "Not enough memory resources are available to complete this operation."},
      {0x80070057, "The parameter is incorrect."},
      {0x80040154, "Class not registered"}};
  for (const auto& [code, text] : texts)
    EXPECT_STREQ(SystemErrorText(LONG(code), "", "", ""), text);
}
#else
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
