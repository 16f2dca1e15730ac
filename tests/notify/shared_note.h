#pragma once

// A message type of the test program and its plug-in, and a target that writes the digits it
// receives into one number (1, then 2 gives 12).

#include "corekit/notify/post_target.h"

struct SharedNote {
  int digit;
};

class NoteDigits : public TPostTarget<SharedNote> {
public:
  void OnPost(const SharedNote& note) override { digits = digits * 10 + note.digit; }
  int digits = 0;
};

// The plug-in's functions, which its exported NoteFunctions returns.
struct NotePlugin {
  void (*Listen)(int* unloads);  // attaches its target; its unload then adds 1 to *unloads
  int (*Stop)();                 // destroys its target and returns the digits it received
  void (*Post)(int digit);
};
