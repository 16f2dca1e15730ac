#include "corekit/platform/serial_line.h"

namespace corekit::platform {

bool TakenAsAsked(const SerialLineSettings& asked, const SerialLineSettings& got) {
  const long long difference = static_cast<long long>(asked.baud) - got.baud;
  const bool nearSpeed = (difference < 0 ? -difference : difference) * 100 <= asked.baud * 3LL;
  return nearSpeed && got.dataBits == asked.dataBits && got.parity == asked.parity &&
         got.stopBits == asked.stopBits && got.flow == asked.flow;
}

SerialLine::Call::Call(SerialLine& line) : m_line(line) {
  std::lock_guard<std::mutex> lock(line.m_mutex);
  ++line.m_active;
  m_started = !line.m_cancelled;
}

SerialLine::Call::~Call() {
  std::lock_guard<std::mutex> lock(m_line.m_mutex);
  if (--m_line.m_active == 0 && m_line.m_cancelled) {
    m_line.m_cancelled = false;
    m_line.ClearCancel();
  }
}

void SerialLine::Cancel() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_cancelled = true;
  RaiseCancel();
}

}  // namespace corekit::platform
