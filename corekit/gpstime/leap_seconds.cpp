#include "corekit/gpstime/leap_seconds.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "corekit/core/lasting_instance.h"
#include "corekit/gpstime/leap_second_table.h"
#include "corekit/gpstime/leap_seconds_list.h"
#include "corekit/platform/leap_seconds_files.h"

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

// The tables of the process: the built-in one for its whole life and the last RetainedTables
// loaded ones. Readers take the current table with one atomic load and no lock, so a replaced
// table cannot be freed at once: a reader may still be inside a lookup in it. A loaded table is
// freed only when RetainedTables - 1 different tables have been published after it (a list equal
// to a held table publishes the held one, as the newest), so a reader would have to stay inside
// one lookup of a few nanoseconds while seven other lists are read and checked; memory stays at
// RetainedTables tables of about 9 KB whatever the number of loads. The store itself is never
// destroyed: at the end of the process its end publishes the built-in table, which calls from later
// destructors then read.
class TableStore {
public:
  static constexpr std::size_t RetainedTables = 8;

  TableStore() : m_builtIn(BuiltInTable()) {
    std::string source;
    std::unique_ptr<const ci::LeapSecondTable> start =
        ci::StartingTable(corekit::platform::NamedLeapSecondsList(),
                          corekit::platform::SystemLeapSecondsList(), m_builtIn->Expiry(), source);
    if (start != nullptr) {
      Publish(std::move(start), source);
    } else {
      m_source = source;
      g_current.store(m_builtIn.get(), std::memory_order_release);
    }
  }
  TableStore(const TableStore&) = delete;
  TableStore& operator=(const TableStore&) = delete;

  // Publishes a table, or the held one equal to it, as the newest; when the ring is full the
  // oldest loaded table is freed, after the new one is published.
  void Publish(std::unique_ptr<const ci::LeapSecondTable> table, const std::string& source) {
    const std::lock_guard<std::mutex> guard(m_lock);
    std::unique_ptr<const ci::LeapSecondTable> retired;
    const auto same = [&](const std::unique_ptr<const ci::LeapSecondTable>& held) {
      return held->Expiry() == table->Expiry() && held->Entries() == table->Entries();
    };
    const ci::LeapSecondTable* current = m_builtIn.get();
    if (!same(m_builtIn)) {
      const auto held = std::find_if(m_loaded.begin(), m_loaded.end(), same);
      if (held != m_loaded.end()) {
        std::rotate(held, held + 1, m_loaded.end());
      } else {
        if (m_loaded.size() == RetainedTables) {
          retired = std::move(m_loaded.front());
          m_loaded.erase(m_loaded.begin());
        }
        m_loaded.push_back(std::move(table));
      }
      current = m_loaded.back().get();
    }
    m_source = source;
    g_current.store(current, std::memory_order_release);
  }

  void UseBuiltIn() {
    const std::lock_guard<std::mutex> guard(m_lock);
    m_source = "built-in";
    g_current.store(m_builtIn.get(), std::memory_order_release);
  }

  // At the end of the process: the built-in table again, and the loaded ones freed.
  void End() {
    UseBuiltIn();
    const std::lock_guard<std::mutex> guard(m_lock);
    m_loaded.clear();
  }

  std::string Source() {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_source;
  }

  std::size_t LoadedCount() {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_loaded.size();
  }

private:
  std::mutex m_lock;
  const std::unique_ptr<const ci::LeapSecondTable> m_builtIn;
  std::vector<std::unique_ptr<const ci::LeapSecondTable>> m_loaded;  // the oldest first
  std::string m_source;
};

// Ends the store when static objects are destroyed, in the reverse order of its first use.
struct StoreEnd {
  TableStore& store;
  ~StoreEnd() { store.End(); }
};

TableStore& Store() {
  static TableStore& store = ci::LastingInstance<TableStore>();
  static StoreEnd end{store};
  return store;
}

// The first call's way: makes the store, which publishes the table the process starts with.
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

// How GPS - UTC changes at a UTC midnight: 1 after an inserted second, -1 after a removed one.
int StepBefore(ULONG midnight) {
  const ci::LeapSecondTable& table = Current();
  return midnight == 0 ? 0 : table.AtCalendar(midnight) - table.AtCalendar(midnight - 1);
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
  return StepBefore(midnight.Seconds()) == 1 ? 1 : 0;
}

int TLeapSeconds::RemovedBefore(const TGPSTime& midnight) {
  return StepBefore(midnight.Seconds()) == -1 ? 1 : 0;
}

TGPSTime TLeapSeconds::Expiry() {
  const long long expiry = Current().Expiry();
  return TGPSTime(expiry > 0 && expiry <= 0xFFFFFFFFLL ? static_cast<ULONG>(expiry) : 0);
}

bool TLeapSeconds::LoadFile(const char* path, KString& reason) {
  std::string why;
  std::unique_ptr<const ci::LeapSecondTable> table =
      ci::ReadLeapSecondsFile(path != nullptr ? path : "", why);
  reason = KString(why.c_str());
  if (table == nullptr) return false;
  Store().Publish(std::move(table), path);
  return true;
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
  Store().Publish(std::make_unique<const ci::LeapSecondTable>(std::move(entries), expiry), "text");
  reason = KString();
  return true;
}

void TLeapSeconds::UseBuiltIn() { Store().UseBuiltIn(); }

KString TLeapSeconds::Source() { return KString(Store().Source().c_str()); }

namespace corekit::internal {

std::size_t LoadedLeapSecondTables() { return Store().LoadedCount(); }

}  // namespace corekit::internal
