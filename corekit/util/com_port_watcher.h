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
class COREKIT_API TComPortWatcher {
public:
  TComPortWatcher();
  // Stops the watching thread. Stop a watcher before the module that holds it unloads.
  ~TComPortWatcher();
  TComPortWatcher(const TComPortWatcher&) = delete;
  TComPortWatcher& operator=(const TComPortWatcher&) = delete;

  // Polls now on the caller's thread and returns the number of changes handed to the target.
  int Poll(TPostTargetBase<TComPortChange>& target);

  // Polls now and then every intervalMs milliseconds on a thread of the watcher's own, which hands
  // the changes to the target, until Stop. False when it watches already or intervalMs is 0.
  bool Start(TPostTargetBase<TComPortChange>& target, ULONG intervalMs);
  // Ends the watching and waits for a change being handed over. Called from the target's OnPost,
  // it ends the watching after that poll without waiting.
  void Stop();
  // True from a successful Start until Stop.
  bool Watching() const;

private:
  struct State;
  State* m_state;
};
