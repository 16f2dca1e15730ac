#include "tools/error_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ToolErrorCommand, ReadsCodesStrictly) {
  using corekit::tool::ParseErrorCode;
  const std::pair<const char*, DWORD> codes[] = {
      {"0x80040510", 0x80040510}, {"0X8004051a", 0x8004051A},  {"0x00000000ffffffff", 0xFFFFFFFF},
      {"-1", 0xFFFFFFFF},         {"-2147483648", 0x80000000}, {"2147747088", 0x80040510}};
  for (const auto& [text, expected] : codes) {
    LONG code = 0;
    std::string error;
    EXPECT_TRUE(ParseErrorCode(text, code, error)) << text;
    EXPECT_EQ(DWORD(code), expected) << text;
  }
  for (const char* text :
       {"4294967296", "-2147483649", "0x100000000", "0x", "0x-1", "12x", "+5", " 5", "", "-0x5"}) {
    LONG code = 0;
    std::string error;
    EXPECT_FALSE(ParseErrorCode(text, code, error)) << text;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

}  // namespace
