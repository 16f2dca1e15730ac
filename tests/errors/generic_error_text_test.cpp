#include "corekit/errors/generic_error_text.h"

#include <gtest/gtest.h>

#include "corekit/platform/error_number.h"

namespace {

// The system's formatter and the library's guard for translated formats together: the number
// conversion prints the code with its flags, width and precision; anything else after a percent
// sign, and a width or precision above 32, prints as it stands. The library's own "Error # %lx"
// and its German translation are checked through the reporters.
TEST(GenericErrorText, FormatsTheCodeAndPrintsTheRestLiterally) {
  const struct {
    const char* format;
    DWORD code;
    const char* text;
  } cases[] = {
      {"%x|%lX|%#lx", 0xFFFFFFFF, "ffffffff|%lX|%#lx"},
      {"%lX", 0x8004051A, "8004051A"},
      {"%#lX", 0, "0X0"},
      {"%ld", 0x80040502, "-2147220222"},
      {"100%% sure: %lx%%", 2, "100% sure: 2%"},
      {"", 2, ""},
      {"%s %lx", 2, "%s 2"},
      // Flags, width and precision of the one conversion.
      {"Fehler %08lx", 0x502, "Fehler 00000502"},
      {"%8lx|%-8X|%-08x|", 0x502, "     502|%-8X|%-08x|"},
      {"%-8X|", 0x502, "502     |"},
      {"%-08x|", 0x502, "502     |"},
      {"%.5lu|%8.5x", 0x502, "01282|%8.5x"},
      {"%8.5x|", 0x502, "   00502|"},
      {"%#.8lX", 0x502, "0X00000502"},
      {"%.3x", 0, "000"},
      {"%05ld|", 0xFFFFFFFB, "-0005|"},
      {"%-5d|", 0xFFFFFFFB, "-5   |"},
      {"%12i", 0x80000000, " -2147483648"},
      {"%032x", 1, "00000000000000000000000000000001"},
      {"%.32u", 1, "00000000000000000000000000000001"},
      // A width or precision above 32 could overrun the system's buffer of the format's length
      // + 33 characters; these and the forms wsprintfA and printf read differently stay text.
      {"%033x|%.33x|%100d|%.0x|%.x", 2, "%033x|%.33x|%100d|%.0x|%.x"},
      {"%#8lx|%#08x|%#d|%.3d|%08.3x", 2, "%#8lx|%#08x|%#d|%.3d|%08.3x"},
      {"%hx|%llx|%+d|% d|%0-5d|%--5d|%I32x|%wx", 2, "%hx|%llx|%+d|% d|%0-5d|%--5d|%I32x|%wx"},
      {"%%%", 2, "%%"},
      {"%lx%", 2, "2%"},
      {"%#|%l|%5|%-", 2, "%#|%l|%5|%-"},
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
