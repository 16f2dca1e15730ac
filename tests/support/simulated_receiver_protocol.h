#pragma once

// The simulated receiver's control folder, shared by the program and its clients. A request is a
// line "verb number size" followed by the size bytes it sends; an answer is the bytes received,
// "1" or "0" for a replug, or the line's state as "baud bits parity stop rtscts xonxoff".

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/support/simulated_receiver.h"

namespace corekit_test {

inline std::string FormatLine(const LineState& line) {
  std::ostringstream text;
  text << line.Baud << ' ' << line.DataBits << ' ' << line.Parity << ' ' << line.StopBits << ' '
       << line.RtsCts << ' ' << line.XonXoff;
  return text.str();
}

inline LineState ParseLine(const std::string& text) {
  LineState line;
  std::istringstream(text) >> line.Baud >> line.DataBits >> line.Parity >> line.StopBits >>
      line.RtsCts >> line.XonXoff;
  return line;
}

}  // namespace corekit_test
