#include "corekit/platform/date_picture.h"

#include <gtest/gtest.h>

namespace {

using corekit::platform::IcuPatternFromPicture;
using corekit::platform::PictureKind;

struct PictureCase {
  const char* picture;
  PictureKind kind;
  const char* pattern;
};

TEST(DatePicture, TranslatesWindowsPicturesToIcuPatterns) {
  const PictureCase cases[] = {
      {"yyyy-MM-dd", PictureKind::Date, "yyyy'-'MM'-'dd"},
      {"dddd, d. MMMM yyyy", PictureKind::Date, "EEEE', 'd'. 'MMMM' 'yyyy"},
      {"ddd d MMM yy", PictureKind::Date, "EEE' 'd' 'MMM' 'yy"},
      {"ddddd yyyyy M", PictureKind::Date, "EEEE' 'yyyy' 'M"},
      {"yyy", PictureKind::Date, "yyyy"},
      {"gg yyyy", PictureKind::Date, "G' 'yyyy"},
      {"'Week of' d", PictureKind::Date, "'Week of 'd"},
      {"d 'o''clock'", PictureKind::Date, "d' o''clock'"},
      {"HH:mm:ss", PictureKind::Time, "HH':'mm':'ss"},
      {"hhh:m:s tt", PictureKind::Time, "hh':'m':'s' 'a"},
      {"H 'h' mm", PictureKind::Time, "H' h 'mm"},
      // Letters of the other kind of picture are plain text.
      {"dd HH", PictureKind::Time, "'dd 'HH"},
      {"HH dd", PictureKind::Date, "'HH 'dd"},
      {"", PictureKind::Date, ""},
  };
  for (const PictureCase& c : cases) {
    EXPECT_EQ(IcuPatternFromPicture(c.picture, c.kind), c.pattern) << c.picture;
  }
}

TEST(DatePicture, FieldsWithoutIcuLetterBecomeMarkers) {
  // U+E001 and U+E002 in UTF-8.
  EXPECT_EQ(IcuPatternFromPicture("y", PictureKind::Date), "\xEE\x80\x81");
  EXPECT_EQ(IcuPatternFromPicture("h t", PictureKind::Time), "h' '\xEE\x80\x82");
}

TEST(DatePicture, ShortDatesGetFourDigitYears) {
  EXPECT_EQ(corekit::platform::WithFourDigitYear("M/d/yy"), "M/d/yyyy");
  EXPECT_EQ(corekit::platform::WithFourDigitYear("dd.MM.y"), "dd.MM.yyyy");
  EXPECT_EQ(corekit::platform::WithFourDigitYear("y-MM-dd"), "yyyy-MM-dd");
  EXPECT_EQ(corekit::platform::WithFourDigitYear("d 'y' yy"), "d 'y' yyyy");
}

}  // namespace
