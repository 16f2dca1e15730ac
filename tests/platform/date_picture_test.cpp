#include "corekit/platform/posix/date_picture.h"

#include <gtest/gtest.h>

namespace {

using corekit::platform::posix::IcuPatternFromPicture;
using corekit::platform::posix::PictureKind;

struct PictureCase {
  const char* picture;
  PictureKind kind;
  const char* pattern;
};

TEST(DatePicture, TranslatesWindowsPicturesToIcuPatterns) {
  const PictureCase cases[] = {
      {"yyyy-MM-dd", PictureKind::Date, "yyyy'-'MM'-'dd"},
      {"ddddd yyyyy M", PictureKind::Date, "EEEE' 'yyyy' 'M"},
      {"gg yyyy", PictureKind::Date, "G' 'yyyy"},
      {"'Week of' d", PictureKind::Date, "'Week of 'd"},
      {"d 'o''clock'", PictureKind::Date, "d' o''clock'"},
      {"hhh:m:s tt", PictureKind::Time, "hh':'m':'s' 'a"},
      {"H 'h' mm", PictureKind::Time, "H' h 'mm"},
      // Letters of the other kind of picture are plain text.
      {"dd HH", PictureKind::Time, "'dd 'HH"},
      {"HH dd", PictureKind::Date, "'HH 'dd"},
      {"", PictureKind::Date, ""},
      // Fields without an ICU letter become the markers U+E001 and U+E002 (in UTF-8).
      {"y", PictureKind::Date, "\xEE\x80\x81"},
      {"h t", PictureKind::Time, "h' '\xEE\x80\x82"},
  };
  for (const PictureCase& c : cases) {
    EXPECT_EQ(IcuPatternFromPicture(c.picture, c.kind), c.pattern) << c.picture;
  }
}

TEST(DatePicture, ShortDatesGetFourDigitYears) {
  EXPECT_EQ(corekit::platform::posix::WithFourDigitYear("M/d/yy"), "M/d/yyyy");
  EXPECT_EQ(corekit::platform::posix::WithFourDigitYear("dd.MM.y"), "dd.MM.yyyy");
  EXPECT_EQ(corekit::platform::posix::WithFourDigitYear("y-MM-dd"), "yyyy-MM-dd");
  EXPECT_EQ(corekit::platform::posix::WithFourDigitYear("d 'y' yy"), "d 'y' yyyy");
}

TEST(DatePicture, NumericPicturesAreWrittenDirectly) {
  // June 5th of the year at hh:08:09.
  const auto at = [](WORD year, WORD hour) { return SYSTEMTIME{year, 6, 0, 5, hour, 8, 9, 0}; };
  const SYSTEMTIME morning = at(2005, 7), noon = at(2005, 12), midnight = at(2100, 0);
  const struct {
    const char* picture;
    PictureKind kind;
    const SYSTEMTIME& record;
    const char* text;  // null: the picture needs the locale
  } cases[] = {
      {"yyyy-MM-dd", PictureKind::Date, morning, "2005-06-05"},
      {"d.M.y", PictureKind::Date, morning, "5.6.5"},
      {"yy yyy yyyyy", PictureKind::Date, morning, "05 2005 2005"},
      {"y/yy", PictureKind::Date, midnight, "0/00"},
      {"'d''M' dd", PictureKind::Date, morning, "d'M 05"},
      {"HH:mm dd", PictureKind::Date, morning, "HH:mm 05"},
      {"H h hh m s", PictureKind::Time, morning, "7 7 07 8 9"},
      {"h hhh", PictureKind::Time, noon, "12 12"},
      {"h", PictureKind::Time, midnight, "12"},
      {"", PictureKind::Time, morning, ""},
      {"ddd", PictureKind::Date, morning, nullptr},
      {"dd\xC3\xA9", PictureKind::Date, morning, nullptr},
  };
  for (const auto& c : cases) {
    std::string text;
    const bool direct =
        corekit::platform::posix::FormatNumericPicture(c.picture, c.kind, c.record, text);
    EXPECT_EQ(direct, c.text != nullptr) << c.picture;
    if (direct && c.text != nullptr) {
      EXPECT_EQ(text, c.text) << c.picture;
    }
  }
}

}  // namespace
