#pragma once

// The texts of the simulated receiver's control folder, shared by the program and its clients:
// bytes as hexadecimal, the line's state as "baud bits parity stop rtscts xonxoff".

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/support/simulated_receiver.h"

namespace corekit_test {

inline std::string ToHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : bytes) {
    text += digits[byte >> 4];
    text += digits[byte & 15];
  }
  return text;
}

inline std::string FromHex(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

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
