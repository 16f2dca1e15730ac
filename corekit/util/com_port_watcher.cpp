#include "corekit/util/com_port_watcher.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "corekit/util/com_port_details.h"

namespace {

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
  std::mutex pollLock;  // one poll at a time
  std::vector<TComPortInfo> last;
  // The thread in OnPost: its Poll, Start and Stop never wait.
  std::atomic<std::thread::id> telling;

  std::mutex joinLock;  // held while a thread is joined, so that every Stop returns after it ended
  std::mutex runLock;   // guards stopping and thread
  std::condition_variable wake;
  bool stopping = false;
  std::thread thread;

  bool InOnPost() const { return telling == std::this_thread::get_id(); }

  // The watching thread's poll tells nothing once Stop is called, not even the rest of its
  // changes; the ports record only what was told, so that a later poll tells the rest.
  int Poll(TPostTargetBase<TComPortChange>& target, bool watching) {
    if (InOnPost()) return 0;
    const std::lock_guard<std::mutex> lock(pollLock);
    kx_std::vector_coll<TComPortInfo> present;
    EnumComPortDetails(present);
    std::vector<TComPortChange> changes;
    for (const TComPortInfo& port : last) {
      if (!Holds(present.items, port)) changes.push_back({port, false});
    }
    for (const TComPortInfo& port : present.items) {
      if (!Holds(last, port)) changes.push_back({port, true});
    }
    struct Telling {
      std::atomic<std::thread::id>& slot;
      ~Telling() { slot = std::thread::id(); }
    } told{telling};
    telling = std::this_thread::get_id();
    int count = 0;
    for (const TComPortChange& change : changes) {
      if (watching && Stopping()) break;
      target.OnPost(change);
      if (change.Arrived) {
        last.push_back(change.Port);
      } else {
        std::erase_if(last,
                      [&change](const TComPortInfo& port) { return SamePort(port, change.Port); });
      }
      ++count;
    }
    return count;
  }

  bool Stopping() {
    const std::lock_guard<std::mutex> lock(runLock);
    return stopping;
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
    // Stopped from OnPost: the thread ends on its own after that poll, holding the shared state.
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
  // From OnPost no thread may be joined: the caller may hold the poll it waits for.
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
  try {
    watch.thread = std::thread([shared, &target, intervalMs] {
      std::unique_lock<std::mutex> running(shared->runLock);
      while (!shared->stopping) {
        running.unlock();
        shared->Poll(target, true);
        running.lock();
        shared->wake.wait_for(running, std::chrono::milliseconds(intervalMs),
                              [&shared] { return shared->stopping; });
      }
    });
  } catch (const std::system_error&) {
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
    watch.wake.notify_all();
  }
  if (watch.InOnPost()) return;
  const std::lock_guard<std::mutex> joining(watch.joinLock);
  std::thread ended;
  {
    const std::lock_guard<std::mutex> lock(watch.runLock);
    ended = std::move(watch.thread);
  }
  if (ended.joinable()) ended.join();
}

bool TComPortWatcher::Watching() const {
  Watch& watch = *m_state->watch;
  const std::lock_guard<std::mutex> lock(watch.runLock);
  return watch.thread.joinable() && !watch.stopping;
}
