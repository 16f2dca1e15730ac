#include "corekit/util/com_port_watcher.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
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

}  // namespace

struct TComPortWatcher::State {
  // One poll at a time; a target may poll again from OnPost.
  std::recursive_mutex pollLock;
  std::vector<TComPortInfo> last;
  std::atomic<std::thread::id> telling;  // the thread in OnPost, which Stop must not wait for

  std::mutex runLock;  // guards stopping and thread
  std::condition_variable wake;
  bool stopping = false;
  std::thread thread;
};

TComPortWatcher::TComPortWatcher() : m_state(new State) {}

TComPortWatcher::~TComPortWatcher() {
  Stop();
  delete m_state;
}

int TComPortWatcher::Poll(TPostTargetBase<TComPortChange>& target) {
  const std::lock_guard<std::recursive_mutex> lock(m_state->pollLock);
  kx_std::vector_coll<TComPortInfo> present;
  EnumComPortDetails(present);
  std::vector<TComPortChange> changes;
  for (const TComPortInfo& port : m_state->last) {
    if (!Holds(present.items, port)) changes.push_back({port, false});
  }
  for (const TComPortInfo& port : present.items) {
    if (!Holds(m_state->last, port)) changes.push_back({port, true});
  }
  // The new state holds before the first change is told, so that a poll from OnPost sees it.
  m_state->last = std::move(present.items);
  const std::thread::id outer = m_state->telling.exchange(std::this_thread::get_id());
  for (const TComPortChange& change : changes) target.OnPost(change);
  m_state->telling = outer;
  return static_cast<int>(changes.size());
}

bool TComPortWatcher::Start(TPostTargetBase<TComPortChange>& target, ULONG intervalMs) {
  std::unique_lock<std::mutex> lock(m_state->runLock);
  if (intervalMs == 0 || (m_state->thread.joinable() && !m_state->stopping)) return false;
  // A watching ended from OnPost has a thread still to join.
  if (m_state->thread.joinable()) {
    std::thread ended = std::move(m_state->thread);
    lock.unlock();
    ended.join();
    lock.lock();
    if (m_state->thread.joinable()) return false;
  }
  m_state->stopping = false;
  State& state = *m_state;
  try {
    state.thread = std::thread([this, &state, &target, intervalMs] {
      std::unique_lock<std::mutex> running(state.runLock);
      while (!state.stopping) {
        running.unlock();
        Poll(target);
        running.lock();
        state.wake.wait_for(running, std::chrono::milliseconds(intervalMs),
                            [&state] { return state.stopping; });
      }
    });
  } catch (const std::system_error&) {
    return false;  // no thread to be had
  }
  return true;
}

void TComPortWatcher::Stop() {
  std::unique_lock<std::mutex> lock(m_state->runLock);
  m_state->stopping = true;
  m_state->wake.notify_all();
  // From OnPost the caller holds the poll that the thread may wait for: it ends without waiting.
  if (!m_state->thread.joinable() || m_state->telling == std::this_thread::get_id()) return;
  std::thread ended = std::move(m_state->thread);
  lock.unlock();
  ended.join();
}

bool TComPortWatcher::Watching() const {
  const std::lock_guard<std::mutex> lock(m_state->runLock);
  return m_state->thread.joinable() && !m_state->stopping;
}
