#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/platform/thread_locale.h"
#include "corekit/platform/time_format.h"
#include "tests/support/process_encoding.h"

#if !defined(_WIN32)
#include "tests/support/environment_scope.h"
#endif

namespace {

const TGPSTime Noon(2005, TGPSTime::June, 15, 12, 30, 45);
constexpr const char* IsoDate = "yyyy-MM-dd";
constexpr const char* Clock = "HH:mm:ss";

std::string Text(const TGPSTime& time, int mode, int zone, const char* date = IsoDate,
                 const char* clock = Clock) {
  return std::string(time.AsString(mode, zone, date, clock));
}

struct TextCase {
  int mode;
  int zone;
  const char* expected;
};

TEST(TimeText, ModesAndZones) {
  const TextCase cases[] = {
      {0, 0, "12:30:45"},
      {2, 0, "2005-06-15"},
      {3, 0, "2005-06-15 12:30:45"},
      {4, 0, "2005-06-1512:30:45"},
      {-1, 0, "12:30:45"},
      {3, 720, "2005-06-16 00:30:45"},
      {3, -720, "2005-06-15 00:30:45"},
      {3, 721, "2005-06-15 12:30:45"},  // outside the offsets: unshifted
      {3, -721, "2005-06-15 12:30:45"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(Text(Noon, c.mode, c.zone), c.expected) << "mode " << c.mode << " zone " << c.zone;
  }
}

TEST(TimeText, SubSecondTimesShowAFixedNumericTimeOfDay) {
  const ULONG seconds = TGPSTime(2005, TGPSTime::June, 15, 12, 30, 5).Seconds();
  const TGPSTimeMS ms(seconds, 250);
  const TGPSTimeNS ns(seconds, 5);
  const struct {
    int mode;
    int zone;
    const char* ms;
    const char* ns;
  } cases[] = {
      {1, 0, "12:30:05.250", "12:30:05.000000005"},
      {3, 720, "2005-06-16 00:30:05.250", "2005-06-16 00:30:05.000000005"},
      {2, 0, "2005-06-15", "2005-06-15"},
      {4, -60, "2005-06-1511:30:05.250", "2005-06-1511:30:05.000000005"},
  };
  for (const auto& c : cases) {
    // The time picture is not used: the sub-second time is always numeric.
    EXPECT_EQ(std::string(ms.AsString(c.mode, c.zone, IsoDate, "hh tt")), c.ms)
        << c.mode << " " << c.zone;
    EXPECT_EQ(std::string(ns.AsString(c.mode, c.zone, IsoDate, "hh tt")), c.ns)
        << c.mode << " " << c.zone;
  }
  EXPECT_EQ(std::string(TGPSTimeMS(seconds - 5, 999).AsString(1)), "12:30:00.999");
  EXPECT_EQ(std::string(TGPSTimeNS(seconds + 54, 999999999).AsString(1)), "12:30:59.999999999");
  // Raw sub-second parts are shown as stored.
  EXPECT_EQ(std::string(TGPSTimeMS(seconds, 1500).AsString(1)), "12:30:06.500");
  // No whole seconds: no time, whatever the sub-second part.
  for (int mode : {1, 2, 3}) {
    EXPECT_EQ(std::string(TGPSTimeMS(0, 500).AsString(mode, 800)), "");
    EXPECT_EQ(std::string(TGPSTimeNS(0, 500).AsString(mode, 60)), "");
  }
}

// Whatever the default locale, local time gives text, the locale's own formats show the
// four-digit year, and a picture's fields are filled in and its literal text kept.
TEST(TimeText, LocalTimeAndPicturesInTheDefaultLocale) {
  const std::string local = Text(Noon, 3, 800);
  EXPECT_EQ(local.size(), std::string("2005-06-15 12:30:45").size()) << local;
  const std::string standard(Noon.AsString(3, 0, nullptr, nullptr));
  EXPECT_NE(standard.find("2005"), std::string::npos) << standard;
  EXPECT_NE(standard.find("30"), std::string::npos) << standard;
  const std::string text(Noon.AsString(2, 0, "dddd, d. MMMM yyyy", nullptr));
  EXPECT_NE(text.find(", 15. "), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 5), " 2005") << text;
  EXPECT_EQ(text.find_first_of("0123456789"), text.find("15")) << text;   // a weekday name first
  EXPECT_GT(text.size(), std::string(", 15.  2005").size() + 4) << text;  // a month name too
  // A part of 127 characters fits its buffer of 128 (not under Wine, which needs one more); a
  // longer one is left out.
  const std::string fits(127, 'x');
#if !defined(_WIN32)
  EXPECT_EQ(Text(Noon, 2, 0, ("'" + fits + "'").c_str()), fits);
#endif
  EXPECT_EQ(Text(Noon, 2, 0, ("'" + fits + "x'").c_str()), "");
}

#if !defined(_WIN32)
struct LocaleCase {
  const char* locale;
  const char* picture;
  const char* expected;
};

TEST(TimeText, DatePicturesInUserLocales) {
  const LocaleCase cases[] = {
      {"de_DE.UTF-8", "dddd, d. MMMM yyyy", "Mittwoch, 15. Juni 2005"},
      {"de_DE.UTF-8", "ddd d MMM yy", "Mi. 15 Juni 05"},
      {"fr_FR.UTF-8@euro", "dddd d MMMM yyyy", "mercredi 15 juin 2005"},
      {"de_DE.UTF-8", nullptr, "15.06.2005"},
      {"en_US.UTF-8", nullptr, "6/15/2005"},
      {"C", nullptr, "6/15/2005"},
      {"de_DE", "yyyy-MM-dd 'Woche' y", "2005-06-15 Woche 5"},
      {"en_US.UTF-8", "MMM''yy dddd'' ''", "Jun'05 Wednesday' '"},
      // A locale without data is English (United States), not ICU's root ("M06", "2005-06-15").
      {"xx_YY.UTF-8", "MMMM", "June"},
      {"xx_YY.UTF-8", nullptr, "6/15/2005"},
  };
  for (const LocaleCase& c : cases) {
    const EnvironmentScope locale("LC_ALL", c.locale);
    EXPECT_EQ(std::string(Noon.AsString(2, 0, c.picture, nullptr)), c.expected) << c.locale;
  }
}

// Names come in the program's encoding, whatever the language's own.
TEST(TimeText, NamesInTheProgramsEncoding) {
  const EnvironmentScope locale("LC_ALL", "de_DE.UTF-8");
  const TGPSTime march(2005, TGPSTime::March, 2, 8, 0, 0);
  EXPECT_EQ(std::string(march.AsString(2, 0, "d. MMMM", nullptr)),
            InProcessEncoding("2. M\xC3\xA4rz"));
}

// Dates follow LC_ALL, then LC_TIME, then LANG; texts (the thread's language) LC_ALL, then
// LC_MESSAGES, then LANG.
TEST(TimeText, LocaleVariablesForDatesAndTexts) {
  const EnvironmentScope all("LC_ALL", nullptr);
  const EnvironmentScope time("LC_TIME", "de_DE.UTF-8");
  const EnvironmentScope messages("LC_MESSAGES", "fr_FR.UTF-8");
  const EnvironmentScope lang("LANG", "it_IT.UTF-8");
  const auto threadLanguage = [] {
    WORD language = 0;
    std::thread([&language] { language = corekit::platform::ThreadLanguage(); }).join();
    return language;
  };
  EXPECT_EQ(std::string(Noon.AsString(2, 0, "MMMM", nullptr)), "Juni");
  EXPECT_EQ(threadLanguage(), 0x040C);
  const EnvironmentScope noTime("LC_TIME", nullptr);
  const EnvironmentScope noMessages("LC_MESSAGES", nullptr);
  EXPECT_EQ(std::string(Noon.AsString(2, 0, "MMMM", nullptr)), "giugno");
  EXPECT_EQ(threadLanguage(), 0x0410);
}

TEST(TimeText, TimePicturesInUserLocales) {
  const EnvironmentScope locale("LC_ALL", "en_US.UTF-8");
  EXPECT_EQ(std::string(Noon.AsString(1, 0, nullptr, "h:mm:ss tt")), "12:30:45 PM");
  // The default time has a plain space before PM, as Windows writes it (ICU's data has U+202F).
  EXPECT_EQ(std::string(Noon.AsString(1, 0, nullptr, nullptr)), "12:30:45 PM");
  EXPECT_EQ(std::string(Noon.AsString(1, -720, nullptr, "hh 'h' t")), "12 h A");
  const EnvironmentScope spanish("LC_ALL", "es_ES.UTF-8");
  EXPECT_EQ(std::string(Noon.AsString(1, 0, nullptr, "h:mm tt")), "12:30 p. m.");
  const EnvironmentScope german("LC_ALL", "de_DE.UTF-8");
  EXPECT_EQ(std::string(Noon.AsString(1, 0, nullptr, nullptr)), "12:30:45");
}

TEST(TimeText, LocalTimeFollowsTheZoneInForceAtThatDate) {
  const EnvironmentScope zone("TZ", "Europe/Berlin");
  const TGPSTime winter(2005, TGPSTime::January, 15, 12, 30, 45);
  EXPECT_EQ(Text(Noon, 3, 800), "2005-06-15 14:30:45");    // summer time, UTC+2
  EXPECT_EQ(Text(winter, 3, 800), "2005-01-15 13:30:45");  // standard time, UTC+1
  const TGPSTime lateEvening(2005, TGPSTime::December, 31, 23, 30, 0);
  EXPECT_EQ(Text(lateEvening, 3, 800), "2006-01-01 00:30:00");
  const EnvironmentScope york("TZ", "America/New_York");
  EXPECT_EQ(Text(Noon, 3, 800), "2005-06-15 08:30:45");
  EXPECT_EQ(std::string(TGPSTimeMS(Noon.Seconds(), 7).AsString(3, 800, IsoDate)),
            "2005-06-15 08:30:45.007");
  // A zone that is not whole hours.
  const EnvironmentScope kolkata("TZ", "Asia/Kolkata");
  EXPECT_EQ(Text(Noon, 1, 800), "18:00:45");
}
#endif

}  // namespace
