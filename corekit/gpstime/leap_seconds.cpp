#include "corekit/gpstime/leap_seconds.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "corekit/gpstime/leap_second_table.h"
#include "corekit/gpstime/leap_seconds_list.h"
#include "corekit/platform/text_file.h"

namespace ci = corekit::internal;

namespace {

// The IERS list: NTP time of each change and TAI - UTC from then; it expires 2026-06-28.
constexpr long long BuiltInList[][2] = {
    {2272060800, 10}, {2287785600, 11}, {2303683200, 12}, {2335219200, 13}, {2366755200, 14},
    {2398291200, 15}, {2429913600, 16}, {2461449600, 17}, {2492985600, 18}, {2524521600, 19},
    {2571782400, 20}, {2603318400, 21}, {2634854400, 22}, {2698012800, 23}, {2776982400, 24},
    {2840140800, 25}, {2871676800, 26}, {2918937600, 27}, {2950473600, 28}, {2982009600, 29},
    {3029443200, 30}, {3076704000, 31}, {3124137600, 32}, {3345062400, 33}, {3439756800, 34},
    {3550089600, 35}, {3644697600, 36}, {3692217600, 37}};
constexpr long long BuiltInExpiry = 3991593600;

std::unique_ptr<const ci::LeapSecondTable> BuiltInTable() {
  std::vector<ci::LeapEntry> entries;
  for (const auto& [ntp, tai] : BuiltInList) {
    entries.push_back({ntp - ci::NtpToGpsEpoch, static_cast<int>(tai) - ci::TaiMinusGps});
  }
  return std::make_unique<const ci::LeapSecondTable>(std::move(entries),
                                                     BuiltInExpiry - ci::NtpToGpsEpoch);
}

// The table in use; null until the first call makes the store.
constinit std::atomic<const ci::LeapSecondTable*> g_current{nullptr};

// Every table made stays until unload, so that a reader holding the previous one never sees it
// end; the current one is published with one atomic store. Loads are rare and few.
struct TableStore {
  std::mutex lock;
  std::vector<std::unique_ptr<const ci::LeapSecondTable>> tables;

  TableStore() {
    tables.push_back(BuiltInTable());
    g_current.store(tables.back().get(), std::memory_order_release);
  }
  ~TableStore() { g_current.store(nullptr, std::memory_order_release); }
  TableStore(const TableStore&) = delete;
  TableStore& operator=(const TableStore&) = delete;
};

TableStore& Store() {
  static TableStore store;
  return store;
}

// The first call's way: makes the store, which publishes the built-in table.
[[gnu::noinline]] const ci::LeapSecondTable* FirstTable() {
  Store();
  return g_current.load(std::memory_order_acquire);
}

const ci::LeapSecondTable& Current() {
  const ci::LeapSecondTable* table = g_current.load(std::memory_order_acquire);
  if (table == nullptr) [[unlikely]]
    table = FirstTable();
  return *table;
}

void Publish(std::unique_ptr<const ci::LeapSecondTable> table) {
  TableStore& store = Store();
  const std::lock_guard<std::mutex> guard(store.lock);
  store.tables.push_back(std::move(table));
  g_current.store(store.tables.back().get(), std::memory_order_release);
}

}  // namespace

int TLeapSeconds::AtUTC(const TGPSTime& utc, bool* extrapolated) {
  return AtUTC(utc.Seconds(), extrapolated);
}

int TLeapSeconds::AtUTC(ULONG utcSeconds, bool* extrapolated) {
  const ci::LeapSecondTable& table = Current();
  if (extrapolated != nullptr) *extrapolated = table.ExpiredAtCalendar(utcSeconds);
  return table.AtCalendar(utcSeconds);
}

int TLeapSeconds::AtGPS(ULONG gpsSeconds, bool* extrapolated) {
  const ci::LeapSecondTable& table = Current();
  if (extrapolated != nullptr) *extrapolated = table.ExpiredAtGPS(gpsSeconds);
  return table.AtGPS(gpsSeconds);
}

int TLeapSeconds::InsertedBefore(const TGPSTime& midnight) {
  const ci::LeapSecondTable& table = Current();
  const ULONG seconds = midnight.Seconds();
  return seconds != 0 && table.AtCalendar(seconds) == table.AtCalendar(seconds - 1) + 1 ? 1 : 0;
}

TGPSTime TLeapSeconds::Expiry() {
  const long long expiry = Current().Expiry();
  return TGPSTime(expiry > 0 && expiry <= 0xFFFFFFFFLL ? static_cast<ULONG>(expiry) : 0);
}

bool TLeapSeconds::LoadFile(const char* path, KString& reason) {
  std::string content;
  if (path == nullptr || !corekit::platform::ReadTextFile(path, content)) {
    reason = KString((std::string(path != nullptr ? path : "") + ": cannot be read").c_str());
    return false;
  }
  return LoadText(content.data(), static_cast<ULONG>(content.size()), reason);
}

bool TLeapSeconds::LoadText(const char* text, ULONG length, KString& reason) {
  std::vector<ci::LeapEntry> entries;
  long long expiry = 0;
  std::string why;
  if (text == nullptr ||
      !ci::ParseLeapSecondsList(std::string_view(text, length), entries, expiry, why)) {
    reason = KString(text == nullptr ? "no text" : why.c_str());
    return false;
  }
  Publish(std::make_unique<const ci::LeapSecondTable>(std::move(entries), expiry));
  reason = KString();
  return true;
}

void TLeapSeconds::UseBuiltIn() {
  TableStore& store = Store();
  const std::lock_guard<std::mutex> guard(store.lock);
  g_current.store(store.tables.front().get(), std::memory_order_release);
}
