// Windows device instance ids and location paths: whatever the text, the identity read from it
// stays within what the text holds.
//
// Input: the port's instance id, a zero byte, its parent's instance id (also read as a location
// path).

#include "corekit/core/device_instance_id.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/expect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  const std::string own = input.substr(0, zero);
  const std::string parent = zero == std::string::npos ? "" : input.substr(zero + 1);

  const corekit::internal::DeviceIdentity id = corekit::internal::PortIdentity(own, parent);
  // An interface number has two hex digits; a serial number is a part of one of the two ids.
  EXPECT(id.interface >= -1 && id.interface <= 0xff);
  EXPECT(id.serialNumber.empty() || own.find(id.serialNumber) != std::string::npos ||
         parent.find(id.serialNumber) != std::string::npos);
  EXPECT(id.serialNumber.find('\\') == std::string::npos);
  EXPECT(id.bluetoothAddress.empty() || id.bluetoothAddress.size() == 17);
  EXPECT(id.transport != TPortTransport::Bluetooth ||
         (id.vendorId == 0 && id.serialNumber.empty()));
  EXPECT(!own.empty() || id.transport == TPortTransport::Unknown);

  const std::string path = corekit::internal::UsbPortPath(parent);
  EXPECT(path.size() <= parent.size() && path.find('#') == std::string::npos);
  return 0;
}
