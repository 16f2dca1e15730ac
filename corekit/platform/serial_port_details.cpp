#include "corekit/platform/serial_port_details.h"

#include <atomic>

namespace corekit::platform {
namespace {

constinit std::atomic<SerialPortLookHook> g_lookHook = nullptr;

}  // namespace

std::vector<SerialPortRecord> SerialPortDetails() {
  std::vector<SerialPortRecord> records;
  ListSerialPortDetails(records);
  return records;
}

SerialPortLookHook SetSerialPortLookHook(SerialPortLookHook hook) noexcept {
  return g_lookHook.exchange(hook);
}

void RunSerialPortLookHook() {
  if (const SerialPortLookHook hook = g_lookHook.load()) hook();
}

}  // namespace corekit::platform
