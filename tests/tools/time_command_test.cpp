#include "tools/time_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "corekit/gpstime/leap_seconds.h"

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

// The printout of 2005-06-15T12:30:45 UTC: '~' marks where a time or count carries its
// fraction, '^' the Julian day and '|' the text.
std::string Printout(const std::string& fraction, const std::string& julian,
                     const std::string& text) {
  std::string printout =
      "UTC                2005-06-15T12:30:45~\n"
      "UTC day of week    Wednesday\n"
      "UTC year, day      2005, 166\n"
      "UTC Julian day     ^\n"
      "UTC DOS time       1118838645\n"
      "TGPSTime count     802873845~\n"
      "GPS - UTC          13 s\n"
      "GPS seconds        802873858~\n"
      "GPS week/SOW       1327, 304258~\n"
      "GPS 10-bit week    303\n"
      "TAI                2005-06-15T12:31:17~\n"
      "GST week/TOW       303, 304258~\n"
      "BDT week/SOW       -29, 304244~ (before the scale's week 0)\n"
      "Text               |\n";
  for (std::size_t at; (at = printout.find_first_of("~^|")) != std::string::npos;) {
    const char mark = printout[at];
    printout.replace(at, 1, mark == '~' ? fraction : mark == '^' ? julian : text);
  }
  return printout;
}

// Command lines as users give them, and what their output (or error) shows: receivers' weeks and
// seconds are true GPS time on their system's scale, dates UTC; no scale prints a wrapped value.
TEST(ToolTimeCommand, CommandLinesGiveTheDueValues) {
  TLeapSeconds::UseBuiltIn();  // not a later system list: leap_expired is the built-in table's
  const struct {
    const char* line;
    int code;
    std::vector<const char*> shows;  // on standard output or standard error
  } cases[] = {
      {"--week 2448 --sow 86418",
       0,
       {"\"utc\": \"2026-12-07T00:00:00\"", "\"seconds\": 1480636800,", "\"leap_expired\": true"}},
      {"--week 1092 --sow 0 --system bds", 0, {"\"gps_week\": 2448,", "\"gps_sow\": 14,"}},
      {"--week 0 --sow 0 --system bds", 0, {"\"gps_seconds\": 820108814,", "\"bdt_sow\": 0,"}},
      {"--week 0 --sow 0 --system gal", 0, {"\"gps_week\": 1024,", "\"gst_tow\": 0,"}},
      {"--week 400 --sow 0 --system gal --bits 12 --ref 2116-01-01", 0, {"\"gst_week\": 4496,"}},
      {"--week 400 --sow 0 --ref 2026-12-07",
       0,
       {"\"gps_week\": 2448,", "\"fixed_rule_week\": 1424"}},
      {"--week 400 --sow 0 --bits 13 --ref 2026-12-07", 0, {"\"gps_week\": 400,"}},
      {"--week 500 --sow 0 --bits full", 0, {"\"utc\": \"1989-08-05T23:59:55\""}},
      {"--week 500 --sow 0 --bits full --ref 2026-01-01", 0, {"--ref is ignored: week 500 is"}},
      {"--week 0 --sow 0 --bits full", 0, {"\"seconds\": 0,", "\"utc\": \"1980-01-06T00:00:00\""}},
      {"--week 0 --sow 1 --bits full", 0, {"\"bdt_week\": -1357, \"bdt_sow\": 604787,"}},
      {"--week 2448 --sow 86418 --count", 0, {"\"gps_seconds\": 1480636836,"}},
      {"--seconds 1167264016.99999996 --ns",
       0,
       {"\"gps_seconds\": 1167264017.000000000,", "\"utc\": \"2016-12-31T23:59:60.000000000\""}},
      {"2016-12-31T23:59:59.9996 --ms",
       0,
       {"\"utc\": \"2016-12-31T23:59:60.000\"", "\"sow\": 604799.000,"}},
      {"2016-12-31T23:59:60",
       0,
       {"\"gps_seconds\": 1167264017,", "\"date\": \"2016-12-31T23:59:59\""}},
      {"2116-02-12T06:28:15",
       0,
       {"\"gps_seconds\": null, \"gps_seconds_reason\": \"", "\"gps_week\": 7101,",
        "\"tai\": null, \"tai_reason\": \"", "\"gst_week\": 6077,", "\"bdt_week\": 5745,"}},
      {"2005-06-15 --leap-file no-such-leap-seconds.list", 2, {"--leap-file: no-such"}},
      {"--week 1024 --sow 0 --bits 10", 2, {"does not fit 10 bits"}},
      {"--week 7102 --sow 0 --bits full", 2, {"lies outside the UTC times"}},
      {"2016-12-31T23:59:60 --gps", 2, {"no second 60"}},
      {"--seconds 1 --system gal", 2, {"go with --week"}},
      {"--week 1 --sow 1 --system glo", 2, {"not gps, gal or bds"}},
      {"--week 1 --sow 1 --bits 11", 2, {"not 10, 12, 13 or full"}},
  };
  for (const auto& c : cases) {
    CLI::App app;
    const auto command = corekit::tool::AddTimeCommand(app);
    app.parse(std::string("time --json ") + c.line, false);
    std::ostringstream out, err;
    EXPECT_EQ(command->Run(out, err), c.code) << c.line << '\n' << err.str();
    const std::string shown = out.str() + err.str();
    for (const char* text : c.shows) {
      EXPECT_NE(shown.find(text), std::string::npos) << c.line << " shows no " << text << '\n'
                                                     << shown;
    }
  }
}

// The forms a printout shows are read back in PrintedFormsReadBack; here the other inputs of each
// form.
TEST(ToolTimeCommand, ResolvesEachForm) {
  const std::pair<TimeInputs, ULONG> cases[] = {
      {{.calendar = "2005-06-15"}, 802828800},
      {{.calendar = "2005-06-15", .gps = true}, 802828787},
      {{.seconds = "802873858"}, 802873845},
      {{.seconds = "802873845", .utc = true}, 802873845},
      {{.seconds = "00012"}, 12},
      {{.week = "303", .secondOfWeek = "304245", .reference = "2026-12-07"}, 1422189027},
      {{.week = "303", .secondOfWeek = "304245", .reference = "2026-12-07", .count = true},
       1422189045},
      {{.year = "1980", .dayOfYear = "1"}, 86400},
      {{.dos = "1118838658", .gps = true}, 802873845},
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
                                     {.week = "7101", .secondOfWeek = "282496", .count = true},
                                     {.week = "4294967295", .secondOfWeek = "0"},
                                     {.week = "1327"},
                                     {.week = "1327.5", .secondOfWeek = "0"},
                                     {.year = "1980", .dayOfYear = "361"},
                                     {.year = "2116", .dayOfYear = "44"},
                                     {.year = "2005", .dayOfYear = "0"},
                                     {.year = "1979", .dayOfYear = "1"},
                                     {.seconds = "5", .dos = "315964801"},
                                     {.seconds = "5", .gps = true, .count = true},
                                     {.seconds = "4294967295", .utc = true, .count = true},
                                     {}};
  // The library's parse refuses other dates; the inserted second is no GPS time.
  refused.push_back({.calendar = "2005-02-30"});
  refused.push_back({.calendar = "2016-12-31T23:59:60", .gps = true});
  for (const char* text : {"-1", "4294967296", "+1", " 1", "1x", "", ".5", "5.-1"}) {
    refused.push_back({.seconds = text});
  }
  for (const char* text : {"2444244.49999", "2493954.78", "9999999999999999999999999999",
                           "2453537.", "2.453537e6", "nan"}) {
    refused.push_back({.julian = text});
  }
  refused.push_back({.dos = "315964799"});
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
      {{.seconds = "1167264016.99999996"}, Precision::Nanoseconds, 1167263999, 0},
      {{.seconds = "7.123456789"}, Precision::Seconds, 7, 123456789},
      {{.seconds = "4294967295.9994", .count = true},
       Precision::Milliseconds,
       4294967295,
       999000000},
      {{.calendar = "2116-02-12T06:28:15.9995"}, Precision::Milliseconds, 0, 0},
      {{.seconds = "4294967295.99999995", .count = true}, Precision::Nanoseconds, 0, 0},
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
  for (ULONG s : {ULONG(0), ULONG(1), ULONG(86399), ULONG(802873845), ULONG(3979002495u),
                  ULONG(0xFFFFFFFF)}) {
    const std::string text = corekit::tool::FormatTime({TGPSTime(s)}, {});
    const auto field = [&text](const char* label) {
      const std::size_t at = text.find(std::string(label) + "  ") + 19;
      return text.substr(at, text.find('\n', at) - at);
    };
    const std::string calendar = field("UTC"), weekAndSow = field("GPS week/SOW"),
                      week = weekAndSow.substr(0, weekAndSow.find(',')),
                      sow = weekAndSow.substr(weekAndSow.find(' ') + 1),
                      year = field("UTC year, day").substr(0, 4),
                      doy = field("UTC year, day").substr(6), dos = field("UTC DOS time"),
                      julian = field("UTC Julian day");
    const auto read = [](const TimeInputs& in) {
      return corekit::tool::ResolveTime(in).time.Seconds();
    };
    EXPECT_EQ(field("TGPSTime count"), std::to_string(s));
    EXPECT_EQ(read({.calendar = calendar}), s) << calendar;
    // Weeks below 1024 are 10-bit weeks, resolved near the reference.
    EXPECT_EQ(read({.week = week, .secondOfWeek = sow, .reference = calendar}), s) << week;
    EXPECT_EQ(field("GPS 10-bit week"), std::to_string(std::stoi(week) % 1024));
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
  EXPECT_NE(text.find("UTC Julian day     2453537.02135707"), std::string::npos) << text;
  EXPECT_NE(text.find("Text               12:30:45.250999999\n"), std::string::npos) << text;
  const corekit::tool::TimeResult back =
      corekit::tool::ResolveTime({.calendar = "2005-06-15T12:30:45.250999999"});
  EXPECT_EQ(back.time.Seconds(), 802873845u);
  EXPECT_EQ(back.nanoseconds, 250999999u);
}

}  // namespace
