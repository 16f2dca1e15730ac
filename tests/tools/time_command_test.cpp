#include "tools/time_command.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using corekit::tool::Precision;
using corekit::tool::TextForm;
using corekit::tool::TimeInputs;

// The inputs of every form joined, to name a case.
std::string TimeLabel(const TimeInputs& in) {
  return in.calendar.value_or("") + in.seconds.value_or("") + in.week.value_or("") + "/" +
         in.secondOfWeek.value_or("") + in.year.value_or("") + "/" + in.dayOfYear.value_or("") +
         in.dos.value_or("") + in.julian.value_or("");
}

// The printout of 2005-06-15T12:30:45 GPS time: '~' marks where a count of seconds carries its
// fraction, '^' the Julian day and '|' the text.
std::string Printout(const std::string& fraction, const std::string& julian,
                     const std::string& text) {
  std::string printout =
      "Date and time      2005-06-15T12:30:45~\n"
      "Day of week        Wednesday\n"
      "GPS seconds        802873845~\n"
      "GPS week           1327\n"
      "10-bit week        303\n"
      "Second of week     304245~\n"
      "GPS day            9292\n"
      "Year, day of year  2005, 166\n"
      "DOS time           1118838645\n"
      "Julian day         ^\n"
      "GPS - UTC          13 s\n"
      "True GPS seconds   802873858~\n"
      "True GPS week/SOW  1327, 304258~\n"
      "UTC                2005-06-15T12:30:45~\n"
      "TAI                2005-06-15T12:31:17~\n"
      "GST week/TOW       303, 304258~\n"
      "BDT week/SOW       -29, 304244~\n"
      "Text               |\n";
  for (std::size_t at; (at = printout.find_first_of("~^|")) != std::string::npos;) {
    const char mark = printout[at];
    printout.replace(at, 1, mark == '~' ? fraction : mark == '^' ? julian : text);
  }
  return printout;
}

// The forms a printout shows are read back in PrintedFormsReadBack; here the other inputs of each
// form.
TEST(ToolTimeCommand, ResolvesEachForm) {
  const std::pair<TimeInputs, ULONG> cases[] = {
      {{.calendar = "2005-06-15"}, 802828800},
      {{.seconds = "802873845"}, 802873845},
      {{.seconds = "00012"}, 12},
      {{.week = "303", .secondOfWeek = "304245", .reference = "2005-06-15"}, 802873845},
      {{.week = "303", .secondOfWeek = "304245", .reference = "2026-12-07"}, 1422189045},
      {{.year = "1980", .dayOfYear = "1"}, 86400},
      {{.julian = "2444244.500006"}, 1},
  };
  for (const auto& [in, seconds] : cases) {
    const corekit::tool::TimeResult r = corekit::tool::ResolveTime(in);
    EXPECT_EQ(r.time.Seconds(), seconds) << TimeLabel(in);
    EXPECT_EQ(r.error, "") << TimeLabel(in);
  }
}

// Bad values, times outside GPS time's 32-bit seconds, fractions where none may be, and no form or
// two of them are refused with a one-line error.
TEST(ToolTimeCommand, RefusesBadInput) {
  std::vector<TimeInputs> refused = {{.week = "1327", .secondOfWeek = "604800"},
                                     {.week = "7101", .secondOfWeek = "282496"},
                                     {.week = "4294967295", .secondOfWeek = "0"},
                                     {.week = "1327"},
                                     {.week = "1327.5", .secondOfWeek = "0"},
                                     {.year = "1980", .dayOfYear = "361"},
                                     {.year = "2116", .dayOfYear = "44"},
                                     {.year = "2005", .dayOfYear = "0"},
                                     {.year = "1979", .dayOfYear = "1"},
                                     {.seconds = "5", .dos = "315964801"},
                                     {}};
  // The library's parse refuses other dates; the epoch is no TGPSTime.
  for (const char* text : {"2005-02-30", "1980-01-06", "2016-12-31T23:59:60"}) {
    refused.push_back({.calendar = text});
  }
  for (const char* text : {"0", "-1", "4294967296", "+1", " 1", "1x", "", "0.5", ".5", "5.-1"}) {
    refused.push_back({.seconds = text});
  }
  for (const char* text : {"2444244.5", "2493954.78", "9999999999999999999999999999", "2453537.",
                           "2.453537e6", "nan"}) {
    refused.push_back({.julian = text});
  }
  refused.push_back({.dos = "315964800"});
  refused.push_back({.dos = "1118838645.5"});
  for (const TimeInputs& in : refused) {
    const corekit::tool::TimeResult r = corekit::tool::ResolveTime(in);
    EXPECT_EQ(r.time.Seconds(), 0u) << TimeLabel(in);
    EXPECT_NE(r.error, "") << TimeLabel(in);
    EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
  }
}

// With milliseconds or nanoseconds the fraction rounds as TGPSTimeMS and TGPSTimeNS round floating
// seconds, halves up, applied to the decimals as given. The tool's own run (check_tool.cmake)
// rounds a date's fraction up into the next second and a second of week's to 100 ns.
TEST(ToolTimeCommand, RoundsTheFractionAsTheChosenClass) {
  const struct {
    TimeInputs in;
    Precision precision;
    ULONG seconds;  // 0: refused
    ULONG nanoseconds;
  } cases[] = {
      {{.calendar = "2005-06-15T12:30:45.0005"}, Precision::Milliseconds, 802873845, 1000000},
      {{.seconds = "7.00049999"}, Precision::Milliseconds, 7, 0},
      {{.seconds = "7.99999995"}, Precision::Nanoseconds, 8, 0},
      {{.seconds = "1167264016.99999996", .gps = true}, Precision::Nanoseconds, 1167263999, 0},
      {{.seconds = "7.123456789"}, Precision::Seconds, 7, 123456789},
      {{.seconds = "4294967295.9994"}, Precision::Milliseconds, 4294967295, 999000000},
      {{.calendar = "2116-02-12T06:28:15.9995"}, Precision::Milliseconds, 0, 0},
      {{.seconds = "4294967295.99999995"}, Precision::Nanoseconds, 0, 0},
  };
  for (const auto& c : cases) {
    const corekit::tool::TimeResult r =
        corekit::tool::RoundedTo(c.precision, corekit::tool::ResolveTime(c.in));
    EXPECT_EQ(r.time.Seconds(), c.seconds) << TimeLabel(c.in);
    EXPECT_EQ(r.nanoseconds, c.nanoseconds) << TimeLabel(c.in);
    EXPECT_EQ(r.error.empty(), c.seconds != 0) << TimeLabel(c.in) << r.error;
  }
}

// Every printed form, read back, gives the time again.
TEST(ToolTimeCommand, PrintedFormsReadBack) {
  for (ULONG s :
       {ULONG(1), ULONG(86399), ULONG(802873845), ULONG(3979002495u), ULONG(0xFFFFFFFF)}) {
    const std::string text = corekit::tool::FormatTime({TGPSTime(s)}, {});
    const auto field = [&text](const char* label) {
      const std::size_t at = text.find(label) + 19;
      return text.substr(at, text.find('\n', at) - at);
    };
    const std::string calendar = field("Date and time"), week = field("GPS week"),
                      sow = field("Second of week"), year = field("Year, day").substr(0, 4),
                      doy = field("Year, day").substr(6), dos = field("DOS time"),
                      julian = field("Julian day");
    const auto read = [](const TimeInputs& in) {
      return corekit::tool::ResolveTime(in).time.Seconds();
    };
    EXPECT_EQ(read({.calendar = calendar}), s) << calendar;
    // Weeks below 1024 are 10-bit weeks, resolved near the reference.
    EXPECT_EQ(read({.week = week, .secondOfWeek = sow, .reference = calendar}), s) << week;
    EXPECT_EQ(week, std::to_string(s / 604800));
    EXPECT_EQ(field("10-bit week"), std::to_string(s / 604800 % 1024));
    EXPECT_EQ(read({.julian = julian}), s) << julian;
    EXPECT_EQ(read({.year = year, .dayOfYear = doy}), s < 86400 ? 0 : s - s % 86400)
        << year << ' ' << doy;
    EXPECT_EQ(s <= 3979002495u ? read({.dos = dos}) : 0, s <= 3979002495u ? s : 0) << dos;
  }
  const TextForm iso{.dateFormat = "yyyy-MM-dd", .timeFormat = "HH:mm:ss"};
  EXPECT_EQ(corekit::tool::FormatTime({TGPSTime(ULONG(802873845))}, iso),
            Printout("", "2453537.021354", "2005-06-15 12:30:45"));
}

// With milliseconds or nanoseconds the fraction joins the forms that can carry it, as the chosen
// class holds it, and reads back.
TEST(ToolTimeCommand, SubSecondFormsShowTheFraction) {
  const corekit::tool::PreciseTime time{TGPSTime(ULONG(802873845)), 250999999};
  const TextForm ms{.precision = Precision::Milliseconds, .zone = 60, .dateFormat = "yyyy-MM-dd"};
  EXPECT_EQ(corekit::tool::FormatTime(time, ms),
            Printout(".250", "2453537.021357060", "2005-06-15 13:30:45.250"));
  const TextForm ns{.precision = Precision::Nanoseconds, .mode = 1};
  const std::string text = corekit::tool::FormatTime(time, ns);
  EXPECT_NE(text.find("Julian day         2453537.02135707"), std::string::npos) << text;
  EXPECT_NE(text.find("Text               12:30:45.250999999\n"), std::string::npos) << text;
  const corekit::tool::TimeResult back =
      corekit::tool::ResolveTime({.calendar = "2005-06-15T12:30:45.250999999"});
  EXPECT_EQ(back.time.Seconds(), 802873845u);
  EXPECT_EQ(back.nanoseconds, 250999999u);
}

}  // namespace
