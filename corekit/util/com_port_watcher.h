#pragma once

#include "corekit/export.h"
#include "corekit/notify/post_office.h"
#include "corekit/util/com_port_info.h"

// A serial port that came or went.
struct TComPortChange {
  TComPortInfo Port;  // as described when it came, or as last described before it went
  bool Arrived = false;
};

// Tells which serial ports came and went. Each poll compares the ports present now with those of
// the last poll (none before the first, so the first reports every port as come) and hands each
// change to a target, the ports that went first. A port is the same while its name, system path,
// USB ids and serial number stay: another receiver plugged in where one was unplugged comes anew.
// A look at which the system cannot list its ports (no device library) tells them gone, the next
// one come again.
class COREKIT_API TComPortWatcher {
public:
  TComPortWatcher();
  // Stops the watching. Destroyed from the target's OnPost, it lets its thread end on its own.
  ~TComPortWatcher();
  TComPortWatcher(const TComPortWatcher&) = delete;
  TComPortWatcher& operator=(const TComPortWatcher&) = delete;

  // Polls now on the caller's thread and returns the number of changes handed to the target.
  // From OnPost it looks at nothing and returns 0: the changes of one poll are told in order.
  int Poll(TPostTargetBase<TComPortChange>& target);

  // Polls now and then every intervalMs milliseconds on a thread of the watcher's own, which hands
  // the changes to the target, until Stop; the target must stay until then. Going on after a Stop,
  // it tells what it has not told yet. False when it watches already, intervalMs is 0, no thread
  // can be made, or it is called from OnPost.
  bool Start(TPostTargetBase<TComPortChange>& target, ULONG intervalMs);
  // Ends the watching and returns when the thread has ended. Called from OnPost (of either
  // thread's poll) it returns at once and the thread tells nothing more. On Windows a thread
  // cannot end under the loader lock: stop a watcher before main returns, never from DllMain or a
  // DLL's static objects.
  void Stop();
  // True from a successful Start until Stop.
  bool Watching() const;

private:
  struct State;
  State* m_state;
};
