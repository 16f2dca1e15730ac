#pragma once

// Message boxes recorded instead of shown, for the life of a RecordedBoxes object.

#include <string>
#include <vector>

#include "corekit/platform/message_box.h"

struct ShownBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};

class RecordedBoxes {
public:
  RecordedBoxes() : m_previous(corekit::platform::SetMessageBoxHook(&Record)) { Shown().clear(); }
  ~RecordedBoxes() { corekit::platform::SetMessageBoxHook(m_previous); }
  RecordedBoxes(const RecordedBoxes&) = delete;
  RecordedBoxes& operator=(const RecordedBoxes&) = delete;

  // The boxes asked for since the object was made, oldest first.
  const std::vector<ShownBox>& Boxes() const { return Shown(); }

private:
  static std::vector<ShownBox>& Shown() {
    static std::vector<ShownBox> shown;
    return shown;
  }
  static void Record(HWND owner, const char* text, const char* caption, UINT style) {
    Shown().push_back({owner, text, caption, style});
  }

  corekit::platform::MessageBoxHook m_previous;
};
