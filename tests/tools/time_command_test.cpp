#include "tools/time_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/number_text.h"

namespace {

using corekit::tool::NumberStatus;
using corekit::tool::TimeInputs;

TEST(ToolNumberText, ReadsWholeTextOnly) {
  struct Case { const char* text; NumberStatus status; std::uint32_t value; };
  const Case cases[] = {
      {"0", NumberStatus::Ok, 0},           {"00012", NumberStatus::Ok, 12},
      {"4294967295", NumberStatus::Ok, 0xFFFFFFFF}, {"4294967296", NumberStatus::OutOfRange, 0},
      {"99999999999999999999", NumberStatus::OutOfRange, 0},
      {"", NumberStatus::NotANumber, 0},    {"+1", NumberStatus::NotANumber, 0},
      {"-1", NumberStatus::NotANumber, 0},  {" 1", NumberStatus::NotANumber, 0},
      {"1 ", NumberStatus::NotANumber, 0},  {"0x10", NumberStatus::NotANumber, 0},
  };
  for (const Case& c : cases) {
    std::uint32_t value = 7;
    EXPECT_EQ(corekit::tool::ParseUnsigned32(c.text, value), c.status) << c.text;
    EXPECT_EQ(value, c.status == NumberStatus::Ok ? c.value : 7u) << c.text;
  }
  for (const char* bad : {"", ".5", "5.", "1.2.3", "1e5", "nan", "inf", "-1", "+1", "1,5"}) {
    double value = 0;
    EXPECT_EQ(corekit::tool::ParseDecimal(bad, value), NumberStatus::NotANumber) << bad;
  }
  double value = 0;
  EXPECT_EQ(corekit::tool::ParseDecimal("2453537.25", value), NumberStatus::Ok);
  EXPECT_EQ(value, 2453537.25);
}

TimeInputs Calendar(const char* text) { TimeInputs in; in.calendar = text; return in; }
TimeInputs Seconds(const char* text) { TimeInputs in; in.seconds = text; return in; }
TimeInputs Week(const char* w, const char* s) { TimeInputs in; in.week = w; in.secondOfWeek = s; return in; }
TimeInputs YearDay(const char* y, const char* d) { TimeInputs in; in.year = y; in.dayOfYear = d; return in; }
TimeInputs Dos(const char* text) { TimeInputs in; in.dos = text; return in; }
TimeInputs Julian(const char* text) { TimeInputs in; in.julian = text; return in; }

TEST(ToolTimeCommand, ResolvesEachFormOrRefuses) {
  TimeInputs two = Seconds("5");
  two.dos = "315964801";
  TimeInputs weekOnly;
  weekOnly.week = "1327";
  struct Case { TimeInputs in; ULONG seconds; };  // 0: must be refused
  const Case cases[] = {
      {Calendar("2005-06-15T12:30:45"), 802873845}, {Calendar("2005-06-15"), 802828800},
      {Calendar("1980-01-31"), 2160000},            {Calendar("2116-02-12T06:28:15"), 0xFFFFFFFF},
      {Calendar("2005-02-30"), 0},                  {Calendar("2005-6-15"), 0},
      {Calendar("2005-06-15T12:30"), 0},            {Calendar("2005-06-15 12:30:45"), 0},
      {Calendar("2005-06-15T12:30:45Z"), 0},        {Calendar("1980-01-06"), 0},
      {Calendar("1980-01-05T23:00:00"), 0},         {Calendar("2116-02-12T06:28:16"), 0},
      {Calendar("2005-13-01"), 0},                  {Calendar("2005-06-15T24:00:00"), 0},
      {Seconds("802873845"), 802873845},            {Seconds("0"), 0},
      {Seconds("-1"), 0},                           {Seconds("4294967296"), 0},
      {Week("303", "304245"), 802873845},           {Week("1327", "304245"), 802873845},
      {Week("1327", "604800"), 0},                  {Week("7101", "282496"), 0},
      {Week("4294967295", "0"), 0},                 {weekOnly, 0},
      {YearDay("2005", "166"), 802828800},          {YearDay("1980", "1"), 86400},
      {YearDay("1980", "361"), 0},                  {YearDay("2116", "44"), 0},
      {YearDay("2005", "0"), 0},                    {YearDay("1979", "1"), 0},
      {Dos("1118838645"), 802873845},               {Dos("315964800"), 0},
      {Julian("2453537.021354"), 802873845},        {Julian("2444244.500006"), 1},
      {Julian("2444244.5"), 0},                     {Julian("2493954.78"), 0},
      {Julian("9999999999999999999999999999"), 0},  {two, 0},
      {TimeInputs(), 0},
  };
  for (const Case& c : cases) {
    const corekit::tool::TimeResult r = corekit::tool::ResolveTime(c.in);
    const std::string label = c.in.calendar.value_or("") + c.in.seconds.value_or("") +
                              c.in.week.value_or("") + c.in.year.value_or("") +
                              c.in.dos.value_or("") + c.in.julian.value_or("");
    EXPECT_EQ(r.time.Seconds(), c.seconds) << label;
    EXPECT_EQ(r.error.empty(), c.seconds != 0) << label << ": " << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos) << label;
  }
}

// Every printed form, read back, gives the time again.
TEST(ToolTimeCommand, PrintedFormsReadBack) {
  for (ULONG s : {ULONG(1), ULONG(86399), ULONG(802873845), ULONG(3979002495u), ULONG(0xFFFFFFFF)}) {
    std::istringstream lines(corekit::tool::FormatTime(TGPSTime(s)));
    std::string line, calendar, week, small, sow, year, doy, dos, julian;
    while (std::getline(lines, line)) {
      const std::string label = line.substr(0, 19), value = line.substr(19);
      if (label.starts_with("Date and time")) calendar = value;
      if (label.starts_with("GPS week")) week = value;
      if (label.starts_with("10-bit week")) small = value;
      if (label.starts_with("Second of week")) sow = value;
      if (label.starts_with("Year, day")) { year = value.substr(0, 4); doy = value.substr(6); }
      if (label.starts_with("DOS time")) dos = value;
      if (label.starts_with("Julian day")) julian = value;
    }
    const auto read = [](const TimeInputs& in) { return corekit::tool::ResolveTime(in).time.Seconds(); };
    EXPECT_EQ(read(Calendar(calendar.c_str())), s) << calendar;
    EXPECT_EQ(read(Week(week.c_str(), sow.c_str())), s) << week;
    EXPECT_EQ(read(Week(small.c_str(), sow.c_str())), s >= 416 * 604800 ? s : s + 1024 * 604800) << small;
    EXPECT_EQ(read(Julian(julian.c_str())), s) << julian;
    EXPECT_EQ(read(YearDay(year.c_str(), doy.c_str())), s < 86400 ? 0 : s - s % 86400) << year << ' ' << doy;
    EXPECT_EQ(s <= 3979002495u ? read(Dos(dos.c_str())) : 0, s <= 3979002495u ? s : 0) << dos;
  }
  EXPECT_EQ(corekit::tool::FormatTime(TGPSTime(ULONG(802873845))),
            "Date and time      2005-06-15T12:30:45\n"
            "Day of week        Wednesday\n"
            "GPS seconds        802873845\n"
            "GPS week           1327\n"
            "10-bit week        303\n"
            "Second of week     304245\n"
            "GPS day            9292\n"
            "Year, day of year  2005, 166\n"
            "DOS time           1118838645\n"
            "Julian day         2453537.021354\n");
}

}  // namespace
