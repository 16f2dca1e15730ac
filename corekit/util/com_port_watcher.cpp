#include "corekit/util/com_port_watcher.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "corekit/platform/serial_port_events.h"
#include "corekit/platform/serial_ports.h"
#include "corekit/util/com_port_record.h"

namespace {

using corekit::platform::SerialPortEvents;
using corekit::platform::SerialPortRecord;

bool SamePort(const TComPortInfo& left, const TComPortInfo& right) {
  return left.Name == right.Name && left.Path == right.Path && left.VendorId == right.VendorId &&
         left.ProductId == right.ProductId && left.SerialNumber == right.SerialNumber;
}

bool Holds(const std::vector<TComPortInfo>& ports, const TComPortInfo& port) {
  for (const TComPortInfo& held : ports) {
    if (SamePort(held, port)) return true;
  }
  return false;
}

// What the watcher and its thread share; the thread holds it too, so that a watcher destroyed from
// its target's OnPost leaves its thread something to finish with.
struct Watch {
  std::mutex pollLock;  // one look at a time
  std::vector<TComPortInfo> last;
  // The last look's ports, not described again while their entries stay.
  std::vector<SerialPortRecord> known;
  // The system's list as the last look that told every change saw it; empty: look in full.
  std::string signature;
  // False after a look that could not list the ports or did not tell every change: the thread
  // looks again after its interval, not only at the system's next event.
  std::atomic<bool> settled = false;
  std::atomic<ULONG> failedLooks = 0;
  // The thread in OnPost: its Poll, Start and Stop never wait.
  std::atomic<std::thread::id> telling;

  std::mutex joinLock;  // held while a thread is joined, so that every Stop returns after it ended
  std::mutex runLock;   // guards stopping, thread and events
  bool stopping = false;
  std::thread thread;
  std::unique_ptr<SerialPortEvents> events;  // made by Start for its thread

  bool InOnPost() const { return telling == std::this_thread::get_id(); }

  bool Stopping() {
    const std::lock_guard<std::mutex> lock(runLock);
    return stopping;
  }

  bool Watching() {
    const std::lock_guard<std::mutex> lock(runLock);
    return thread.joinable() && !stopping;
  }

  // The watching thread's look tells nothing once Stop is called, not even the rest of its
  // changes; the ports record only what was told, so that a later look tells the rest.
  int Poll(TPostTargetBase<TComPortChange>& target, bool watching) {
    if (InOnPost() || (!watching && Watching())) return 0;
    const std::lock_guard<std::mutex> lock(pollLock);
    const std::string now = corekit::platform::SerialPortListSignature();
    if (!now.empty() && now == signature) return 0;
    signature.clear();
    settled = false;
    std::vector<SerialPortRecord> records;
    if (!corekit::platform::ListSerialPortDetails(records, known)) {
      ++failedLooks;
      return -1;
    }
    std::vector<TComPortInfo> present;
    for (const SerialPortRecord& record : records) present.push_back(ComPortInfo(record));
    known = std::move(records);
    std::vector<TComPortChange> changes;
    for (const TComPortInfo& port : last) {
      if (!Holds(present, port)) changes.push_back({port, false});
    }
    for (const TComPortInfo& port : present) {
      if (!Holds(last, port)) changes.push_back({port, true});
    }
    struct Telling {
      std::atomic<std::thread::id>& slot;
      ~Telling() { slot = std::thread::id(); }
    } told{telling};
    telling = std::this_thread::get_id();
    int count = 0;
    for (const TComPortChange& change : changes) {
      if (watching && Stopping()) return count;
      target.OnPost(change);
      if (change.Arrived) {
        last.push_back(change.Port);
      } else {
        std::erase_if(last,
                      [&change](const TComPortInfo& port) { return SamePort(port, change.Port); });
      }
      ++count;
    }
    signature = now;
    settled = true;
    return count;
  }

  // The watcher's thread: a look, then a sleep until the system tells of a change, or for the
  // interval where it tells nothing or the look left something to tell; until Stop.
  void Run(TPostTargetBase<TComPortChange>& target, ULONG intervalMs) {
    const int interval = static_cast<int>(std::min<ULONG>(intervalMs, INT_MAX));
    while (!Stopping()) {
      try {
        Poll(target, true);
      } catch (...) {
        // The change whose OnPost threw, and the rest of the look, count as not told.
      }
      events->Wait(events->Listening() && settled ? -1 : interval);
    }
  }
};

}  // namespace

struct TComPortWatcher::State {
  std::shared_ptr<Watch> watch = std::make_shared<Watch>();
};

TComPortWatcher::TComPortWatcher() : m_state(new State) {}

TComPortWatcher::~TComPortWatcher() {
  Stop();
  {
    // Stopped from OnPost: the thread ends on its own after that look, holding the shared state.
    Watch& watch = *m_state->watch;
    const std::lock_guard<std::mutex> lock(watch.runLock);
    if (watch.thread.joinable()) watch.thread.detach();
  }
  delete m_state;
}

// Each call holds the shared state, which the thread may otherwise free when the target destroys
// the watcher from OnPost while the call runs.
int TComPortWatcher::Poll(TPostTargetBase<TComPortChange>& target) {
  const std::shared_ptr<Watch> shared = m_state->watch;
  return shared->Poll(target, false);
}

bool TComPortWatcher::Start(TPostTargetBase<TComPortChange>& target, ULONG intervalMs) {
  const std::shared_ptr<Watch> shared = m_state->watch;
  Watch& watch = *shared;
  // From OnPost no thread may be joined: the caller may hold the look it waits for.
  if (intervalMs == 0 || watch.InOnPost()) return false;
  const std::lock_guard<std::mutex> joining(watch.joinLock);
  std::unique_lock<std::mutex> lock(watch.runLock);
  if (watch.thread.joinable()) {
    if (!watch.stopping) return false;
    std::thread ended = std::move(watch.thread);  // stopped from OnPost, not yet joined
    lock.unlock();
    ended.join();
    lock.lock();
  }
  watch.stopping = false;
  watch.events = std::make_unique<SerialPortEvents>();
  try {
    watch.thread = std::thread([shared, &target, intervalMs] { shared->Run(target, intervalMs); });
  } catch (const std::system_error&) {
    watch.events.reset();
    return false;  // no thread to be had
  }
  return true;
}

void TComPortWatcher::Stop() {
  const std::shared_ptr<Watch> shared = m_state->watch;
  Watch& watch = *shared;
  {
    const std::lock_guard<std::mutex> lock(watch.runLock);
    watch.stopping = true;
    if (watch.events != nullptr) watch.events->Wake();
  }
  if (watch.InOnPost()) return;
  const std::lock_guard<std::mutex> joining(watch.joinLock);
  std::thread ended;
  {
    const std::lock_guard<std::mutex> lock(watch.runLock);
    ended = std::move(watch.thread);
  }
  if (ended.joinable()) ended.join();
  const std::lock_guard<std::mutex> lock(watch.runLock);
  watch.events.reset();  // no thread uses it now: the system stops telling
}

bool TComPortWatcher::Watching() const { return m_state->watch->Watching(); }

ULONG TComPortWatcher::FailedLooks() const { return m_state->watch->failedLooks; }
