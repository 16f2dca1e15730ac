#pragma once

// A message type of the test program and its plug-in, and a target that writes the digits it
// receives into one number (1, then 2 gives 12).

#include "corekit/notify/post_target.h"

struct SharedNote {
  int digit;
};

struct NoteDigits : TPostTarget<SharedNote> {
  void OnPost(const SharedNote& note) override { digits = digits * 10 + note.digit; }
  int digits = 0;
};

// The plug-in's functions, which its exported NoteFunctions returns.
struct NotePlugin {
  void (*ReportUnloadTo)(int* counter);  // the plug-in's unload adds 1 to *counter
  void (*Listen)();                      // attaches a target of its own
  int (*Stop)();                         // destroys it and returns the digits it received
  void (*Post)(int digit);
};
