#include "corekit/errors/generic_error_text.h"

#include <gtest/gtest.h>

#include "corekit/platform/error_number.h"

namespace {

// The system's formatter and the library's guard for translated formats together: the number
// conversions print the code, anything else after a percent sign prints as it stands.
TEST(GenericErrorText, FormatsTheCodeAndPrintsTheRestLiterally) {
  const struct {
    const char* format;
    DWORD code;
    const char* text;
  } cases[] = {
      {"Error # %lx", 0x80040502, "Error # 80040502"},
      {"Error # %lx", 0, "Error # 0"},
      {"Fehler Nr. %lx.", 0x000400A6, "Fehler Nr. 400a6."},
      {"%x|%lX|%#lx", 0xFFFFFFFF, "ffffffff|%lX|%#lx"},
      {"%lX", 0x8004051A, "8004051A"},
      {"%#lx", 0x80040502, "0x80040502"},
      {"%lu", 0x80040502, "2147747074"},
      {"%ld", 0x80040502, "-2147220222"},
      {"%i", 0x80000000, "-2147483648"},
      {"100%% sure: %lx%%", 2, "100% sure: 2%"},
      {"", 2, ""},
      {"%s %lx", 2, "%s 2"},
      {"%8lx|%-lx|%.20lx|%hx|%llx", 2, "%8lx|%-lx|%.20lx|%hx|%llx"},
      {"%n%p%c%S", 2, "%n%p%c%S"},
      {"100%", 2, "100%"},
      {"%%%", 2, "%%"},
      {"%lx%", 2, "2%"},
      {"%#|%l", 2, "%#|%l"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(corekit::internal::GenericErrorText(c.format, LONG(c.code)), c.text) << c.format;
  }
}

#if !defined(_WIN32)
// On POSIX the formatter alone is safe with any format as well.
TEST(ErrorNumberFormat, AnyFormatIsSafe) {
  using corekit::platform::FormatErrorNumber;
  EXPECT_EQ(FormatErrorNumber("%s%n%999999999d%", 7), "%s%n%999999999d%");
  EXPECT_EQ(FormatErrorNumber("%lx %lx %#X", 255), "ff ff 0XFF");
}
#endif

}  // namespace
