#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "corekit/util/com_port_watcher.h"

// Notes each change a port watcher tells as "+name" or "-name", from whichever thread tells it. It
// is a target of the office of port changes too, as an application's view of the ports would be.
class PortChangeLog : public TPostTarget<TComPortChange> {
public:
  void OnPost(const TComPortChange& change) override {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_changes.push_back((change.Arrived ? "+" : "-") + std::string(change.Port.Name));
  }
  // The changes noted so far, once there are at least count of them (or after ten seconds).
  std::vector<std::string> Taken(std::size_t count = 0) {
    for (int waited = 0; waited < 1000 && Size() < count; ++waited)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::lock_guard<std::mutex> lock(m_lock);
    return std::exchange(m_changes, {});
  }

private:
  std::size_t Size() {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_changes.size();
  }
  std::mutex m_lock;
  std::vector<std::string> m_changes;
};
