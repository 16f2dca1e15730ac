#pragma once

#include "corekit/export.h"
#include "corekit/notify/post_target.h"
#include "corekit/util/com_port_info.h"

// A serial port that came or went.
struct TComPortChange {
  TComPortInfo Port;     // as described when it came, or as last described before it went
  bool Arrived = false;  // true: the port came; false: it went
};

// Tells which serial ports came and went. Each look compares the ports present now with those of
// the last look (none before the first, so the first reports every port as come) and hands each
// change to a target, the ports that went first. A port is the same while its name, system path,
// USB ids and serial number stay: another receiver plugged in where one was unplugged comes anew.
// A look first compares a cheap signature of the system's port list with the one of the last
// look and describes nothing when it is unchanged. A port whose device goes while it is described
// is not reported; a look at which the system cannot list its ports at all (no device library) is
// skipped and counted as failed, so that the ports do not seem to go and come again.
// An exception from OnPost leaves the look: that change and the rest count as not told, and the
// next look tells them.
class COREKIT_API TComPortWatcher {
public:
  // A watcher that has not looked yet.
  TComPortWatcher();
  // Stops the watching. Destroyed from the target's OnPost, it lets its thread end on its own.
  ~TComPortWatcher();
  TComPortWatcher(const TComPortWatcher&) = delete;
  TComPortWatcher& operator=(const TComPortWatcher&) = delete;

  // Looks now on the caller's thread and returns the number of changes handed to the target, or
  // -1 when the system could not list its ports (a failed look: nothing is told). It looks at
  // nothing and returns 0 from OnPost (the changes of one look are told in order), and while the
  // watcher's own thread watches: that thread's target is then the one that takes the changes.
  // An exception from OnPost passes on to the caller.
  int Poll(TPostTargetBase<TComPortChange>& target);

  // Looks now, and then whenever the system tells of a change to its serial ports (Linux: udev's
  // events of the tty subsystem; Windows: device interface notifications and changes of the
  // registry's device map), on a thread of the watcher's own, which hands the changes to the
  // target, until Stop; the target must stay until then. Where the system tells nothing, and
  // after a look that failed or did not tell every change, it looks again every intervalMs
  // milliseconds. Going on after a Stop, it tells what it has not told yet. False when it watches
  // already, intervalMs is 0, no thread can be made, or it is called from OnPost.
  bool Start(TPostTargetBase<TComPortChange>& target, ULONG intervalMs);
  // Ends the watching and returns when the thread has ended. Called from OnPost (of either
  // thread's look) it returns at once and the thread tells nothing more. On Windows a thread
  // cannot end under the loader lock: stop a watcher before main returns, never from DllMain or a
  // DLL's static objects.
  void Stop();
  // True from a successful Start until Stop.
  bool Watching() const;
  // The number of failed looks so far, by Poll or by the thread: looks at which the system could
  // not list its ports.
  ULONG FailedLooks() const;

private:
  struct State;
  State* m_state;
};
