#include "corekit/gpstime/leap_seconds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "corekit/core/sha1_digest.h"
#include "corekit/gpstime/leap_seconds_list.h"
#include "corekit/gpstime/utc_time.h"
#include "corekit/platform/leap_seconds_files.h"
#include "corekit/platform/text_file.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace ci = corekit::internal;

// A list of the given NTP times and TAI - UTC, signed with its own hash.
std::string Signed(long long expiry, const std::vector<std::pair<long long, int>>& entries) {
  std::string text = "#$ 3991852800\n#@ " + std::to_string(expiry) + "\n";
  std::string hashed = "3991852800" + std::to_string(expiry);
  for (const auto& [ntp, tai] : entries) {
    text += std::to_string(ntp) + " " + std::to_string(tai) + "\n";
    hashed += std::to_string(ntp) + std::to_string(tai);
  }
  const std::array<std::uint32_t, 5> d = ci::Sha1Digest(hashed);
  char hash[64];
  std::snprintf(hash, sizeof hash, "#h %x %x %x %x %x\n", d[0], d[1], d[2], d[3], d[4]);
  return text + hash;
}

bool Load(const std::string& text) {
  KString reason;
  return TLeapSeconds::LoadText(text.data(), static_cast<ULONG>(text.size()), reason);
}

// Destroyed after the table store's end, as a static object made before a program's first use
// of the table is: reading then must find the built-in table, not crash.
struct LateReader {
  bool armed = false;
  ~LateReader() {
    if (armed && TLeapSeconds::AtUTC(ULONG(1482796800)) != 18) std::_Exit(3);
  }
} g_lateReader;

// Each leap second of the IERS list: the UTC midnight it precedes, as seconds from the GPS epoch
// (GNU date), and GPS - UTC from then on.
const struct {
  const char* date;
  ULONG midnight;
  int offset;
} Leaps[] = {
    {"1981-07-01", 46828800, 1},    {"1982-07-01", 78364800, 2},    {"1983-07-01", 109900800, 3},
    {"1985-07-01", 173059200, 4},   {"1988-01-01", 252028800, 5},   {"1990-01-01", 315187200, 6},
    {"1991-01-01", 346723200, 7},   {"1992-07-01", 393984000, 8},   {"1993-07-01", 425520000, 9},
    {"1994-07-01", 457056000, 10},  {"1996-01-01", 504489600, 11},  {"1997-07-01", 551750400, 12},
    {"1999-01-01", 599184000, 13},  {"2006-01-01", 820108800, 14},  {"2009-01-01", 914803200, 15},
    {"2012-07-01", 1025136000, 16}, {"2015-07-01", 1119744000, 17}, {"2017-01-01", 1167264000, 18},
};

// Around each leap second, on both scales: the last UTC second before it, the inserted second
// 23:59:60 (named only by TUTCTime), and the midnight after.
TEST(LeapSeconds, EachLeapSecondsEdges) {
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1))), 0);
  for (const auto& leap : Leaps) {
    const ULONG m = leap.midnight;
    const int before = leap.offset - 1;
    EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(m - 1)), before) << leap.date;
    EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(m)), leap.offset) << leap.date;
    EXPECT_EQ(TLeapSeconds::InsertedBefore(TGPSTime(m)), 1) << leap.date;
    EXPECT_EQ(TLeapSeconds::InsertedBefore(TGPSTime(m - 86400)), 0) << leap.date;
    // GPS counts: 23:59:59 is m - 1 + before, 23:59:60 one later, midnight one later again.
    const ULONG gps = m - 1 + static_cast<ULONG>(before);
    EXPECT_EQ(TLeapSeconds::AtGPS(gps), before) << leap.date;
    EXPECT_EQ(TLeapSeconds::AtGPS(gps + 1), before) << leap.date;
    EXPECT_EQ(TLeapSeconds::AtGPS(gps + 2), leap.offset) << leap.date;
    const TUTCTime inserted = TUTCTime::FromGPS(gps + 1);
    EXPECT_EQ(std::string(inserted.AsText()).substr(11), "23:59:60") << leap.date;
    EXPECT_EQ(inserted.IsValid(), 1);
    EXPECT_EQ(inserted.Calendar().Seconds(), m - 1) << leap.date;
    EXPECT_EQ(std::string(TUTCTime::FromGPS(gps + 2).AsText()).substr(11), "00:00:00");
    EXPECT_EQ(inserted.GPSMinusUTC(), before);
    for (ULONG g = gps - 2; g <= gps + 3; ++g) EXPECT_EQ(TUTCTime::FromGPS(g).ToGPS(), g);
  }
}

// The built-in table expires 2026-06-28 (1466640000): answers from then on are extrapolated.
TEST(LeapSeconds, SaysWhenItExtrapolates) {
  TLeapSeconds::UseBuiltIn();  // not a later system list
  bool extrapolated = true;
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1466639999)), &extrapolated), 18);
  EXPECT_FALSE(extrapolated);
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1466640000)), &extrapolated), 18);
  EXPECT_TRUE(extrapolated);
  EXPECT_EQ(TLeapSeconds::AtGPS(1466640017, &extrapolated), 18);
  EXPECT_FALSE(extrapolated);
  EXPECT_EQ(TLeapSeconds::AtGPS(1466640018, &extrapolated), 18);
  EXPECT_TRUE(extrapolated);
  EXPECT_EQ(TLeapSeconds::Expiry().Seconds(), 1466640000u);
}

// A list with a leap second on 2027-01-01, expiring 2027-06-28; hash by sha1sum.
std::string List(const std::string& hash = "4180ea48 53e68d43 572b6079 02cb4bb9 ab22c060") {
  return "# a test list\n#$\t3991852800\n#@\t4023129600\n#\n2524521600\t19\t# 1 Jan 1980\n"
         "2571782400    20\n4007750400\t21 # 1 Jan 2027\n#h\t" +
         hash + "\n";
}

TEST(LeapSeconds, LoadsAListAndRefusesMalformedOnes) {
  const std::string good = List();
  const std::vector<std::pair<std::string, std::string>> changes = {
      {"#h\t4180ea48", "#h\t4180ea49"},
      {"#@\t4023129600\n", ""},
      {"#$\t3991852800\n", ""},
      {"#h\t4180ea48 53e68d43 572b6079 02cb4bb9 ab22c060\n", ""},
      {"2571782400    20", "2571782401    20"},
      {"2571782400    20", "2571782400    21"},
      {"#@\t4023129600", "#@\t4007750400"},
      {"#@\t4023129600", "#@\t40231x9600"},
      {"2571782400    20", "2571782400"},
      {"# a test list", "a test list"},
      {"4007750400\t21", "2571868800\t21"},
      {"#$\t3991852800\n", "#$\t3991852800\n#$ 1\n"}};
  KString reason;
  for (const auto& [from, to] : changes) {
    std::string bad = good;
    bad.replace(bad.find(from), from.size(), to);
    EXPECT_FALSE(TLeapSeconds::LoadText(bad.data(), static_cast<ULONG>(bad.size()), reason)) << bad;
    EXPECT_NE(std::string(reason), "") << bad;
    EXPECT_EQ(std::string(reason).find('\n'), std::string::npos) << reason;
    EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1482796800))), 18) << bad;
  }
  EXPECT_FALSE(TLeapSeconds::LoadFile("no such folder/leap-seconds.list", reason));

  // Through a file with CR LF lines, and a hash group without its leading zero.
  ScratchFolder folder;
  const std::string path = folder.Entry("leap-seconds.list");
  std::string crlf;
  for (const char c : List("4180ea48 53e68d43 572b6079 2cb4bb9 ab22c060"))
    crlf += c == '\n' ? "\r\n" : std::string(1, c);
  folder.Write("leap-seconds.list", crlf);
  ASSERT_TRUE(TLeapSeconds::LoadFile(path.c_str(), reason)) << reason;
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1482796799))), 1);
  bool extrapolated = true;
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1482796800)), &extrapolated), 2);
  EXPECT_FALSE(extrapolated);
  EXPECT_EQ(TLeapSeconds::Expiry().Seconds(), 1498176000u);
  EXPECT_EQ(std::string(TUTCTime::FromGPS(1482796801).AsText()), "2026-12-31T23:59:60");
  // Two leap seconds four months apart (1981-03-01 at 36288000 and 1981-07-01).
  ASSERT_TRUE(Load(Signed(4023129600, {{2524521600, 19}, {2561241600, 20}, {2571782400, 21}})));
  const std::pair<ULONG, int> utc[] = {{36287999, 0}, {36288000, 1}, {46828799, 1}, {46828800, 2}};
  for (const auto& [seconds, offset] : utc) EXPECT_EQ(TLeapSeconds::AtUTC(seconds), offset);
  const std::pair<ULONG, int> gps[] = {{36288000, 0}, {36288001, 1}, {46828801, 1}, {46828802, 2}};
  for (const auto& [seconds, offset] : gps) EXPECT_EQ(TLeapSeconds::AtGPS(seconds), offset);
  TLeapSeconds::UseBuiltIn();
  EXPECT_EQ(TLeapSeconds::AtUTC(TGPSTime(ULONG(1482796800))), 18);
}

TEST(LeapSeconds, DestructorsAfterTheEndReadTheBuiltInTable) {
  EXPECT_TRUE(g_lateReader.armed = Load(Signed(4023129600, {{2524521600, 19}})));
  TLeapSeconds::UseBuiltIn();
}

// 1982-01-01 (62726400) follows 1981-12-31T23:59:58 in a list that removes a second: GPS 62726399
// is 23:59:58 and 62726400 midnight; 23:59:59 is no time.
TEST(LeapSeconds, ARemovedSecondIsSkippedInUTC) {
  ASSERT_TRUE(Load(Signed(4023129600, {{2524521600, 19}, {2571782400, 20}, {2587680000, 19}})));
  EXPECT_EQ(std::string(TUTCTime::FromGPS(62726399).AsText()), "1981-12-31T23:59:58");
  EXPECT_EQ(std::string(TUTCTime::FromGPS(62726400).AsText()), "1982-01-01T00:00:00");
  EXPECT_EQ(TUTCTime(TGPSTime(ULONG(62726399))).IsValid(), 0);
  for (ULONG g = 62726396; g <= 62726402; ++g) EXPECT_EQ(TUTCTime::FromGPS(g).ToGPS(), g);
  TUTCTime parsed;
  KString reason;
  EXPECT_FALSE(TUTCTime::Parse("1981-12-31T23:59:59", parsed, reason));
  ASSERT_TRUE(TUTCTime::Parse("1981-12-31T23:59:58.9996", parsed, reason)) << reason;
  EXPECT_EQ(std::string(parsed.Rounded(1000000).AsText(3)), "1982-01-01T00:00:00.000");
  TLeapSeconds::UseBuiltIn();
}

// The IERS list as published (several whole blocks for the hash) gives the built-in table, which
// it does not store again; a changed hash is refused with the file's name.
TEST(LeapSeconds, APublishedListMatchesTheBuiltInTable) {
  const std::size_t held = ci::LoadedLeapSecondTables();
  KString reason;
  ASSERT_TRUE(TLeapSeconds::LoadFile("leap-seconds.list", reason)) << reason;
  EXPECT_EQ(std::string(TLeapSeconds::Source()), "leap-seconds.list");
  EXPECT_EQ(ci::LoadedLeapSecondTables(), held);
  for (const auto& leap : Leaps) EXPECT_EQ(TLeapSeconds::AtUTC(leap.midnight), leap.offset);
  std::string text;
  ASSERT_TRUE(corekit::platform::ReadTextFile("leap-seconds.list", text));
  text.replace(text.find("#h\t49db2447"), 11, "#h\t49db2448");
  ScratchFolder folder;
  folder.Write("changed.list", text);
  const std::string path = folder.Entry("changed.list");
  EXPECT_FALSE(TLeapSeconds::LoadFile(path.c_str(), reason));
  EXPECT_EQ(std::string(reason).rfind(path + ": the hash is 49db2448", 0), 0u) << reason;
}

// Reloading keeps a few tables however often it happens; an equal list adds none.
TEST(LeapSeconds, ReloadsKeepABoundedNumberOfTables) {
  const std::size_t before = ci::LoadedLeapSecondTables();
  for (std::size_t day = 1; day <= 20; ++day) {
    const std::string list = Signed(4023129600 + day * 86400LL, {{2524521600, 19}});
    ASSERT_TRUE(Load(list) && Load(list));
    EXPECT_EQ(ci::LoadedLeapSecondTables(), std::min<std::size_t>(before + day, 8));
    EXPECT_EQ(TLeapSeconds::Expiry().Seconds(), 1498176000u + day * 86400);
  }
  TLeapSeconds::UseBuiltIn();
}

// The table a process starts with: a named file whatever its expiry, the system's list (a scratch
// TZDIR here) only when it expires later than the built-in table.
TEST(LeapSeconds, StartsWithTheNamedOrALaterSystemList) {
  ScratchFolder tzdir;
  tzdir.Write("leap-seconds.list", Signed(4023129600, {{2524521600, 19}}));
  const std::string list = tzdir.Entry("leap-seconds.list"), none = tzdir.Entry("none");
  // The file named, the system's list, the built-in table's expiry, and where the table is from.
  const std::tuple<std::string, std::string, long long, std::string> cases[] = {
      {"", list, 1466640000, list},
      {"", list, 1498176000, "built-in"},
      {"", none, 1466640000, "built-in"},
      {list, none, 1598176000, list},
      {none, list, 1466640000, "built-in (COREKIT_LEAP_SECONDS: " + none + ": cannot be read)"},
  };
  for (const auto& [named, system, builtInExpiry, expected] : cases) {
    std::string source;
    const auto table = ci::StartingTable(named, system, builtInExpiry, source);
    EXPECT_EQ(source, expected);
    EXPECT_EQ(table != nullptr, expected == list);
  }
#ifndef _WIN32
  const EnvironmentScope variable("TZDIR", tzdir.Path().c_str());
  EXPECT_EQ(corekit::platform::SystemLeapSecondsList(), list);
#endif
}

// Readers see one whole table or the other while a thread replaces it back and forth.
TEST(LeapSeconds, ReadersSeeWholeTablesWhileOneIsReplaced) {
  const std::string text = List();
  std::atomic<bool> done(false);
  std::vector<std::thread> readers;
  std::atomic<int> torn(0);
  for (int i = 0; i < 3; ++i) {
    readers.emplace_back([&] {
      while (!done.load()) {
        const int early = TLeapSeconds::AtUTC(TGPSTime(ULONG(599184000)));
        if (early != 1 && early != 13) torn.fetch_add(1);
      }
    });
  }
  for (int i = 0; i < 50; ++i) {
    EXPECT_TRUE(Load(text));
    TLeapSeconds::UseBuiltIn();
  }
  done.store(true);
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(torn.load(), 0);
}

}  // namespace
