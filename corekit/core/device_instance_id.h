#pragma once

// Windows device instance ids and location paths read without the system, so that their rules
// hold and are tested on every build.

#include <string>
#include <string_view>
#include <vector>

#include "corekit/platform/serial_port_details.h"

namespace corekit::internal {

// What an instance id tells of its device. Read from
// "USB\VID_1546&PID_01A9&MI_00\6&2C3F1A0&0&0000": vendor 0x1546, product 0x01a9, interface 0, no
// serial number (the last part is one the system made up: it holds '&'). From
// "FTDIBUS\VID_0403+PID_6001+A5XK3RJTA\0000": 0x0403, 0x6001, serial "A5XK3RJTA". From
// "BTHENUM\{00001101-...}_LOCALMFG&0002\7&1B2C3D4E&0&001122334455_C00000000": Bluetooth, remote
// address "00:11:22:33:44:55".
struct DeviceIdentity {
  TPortTransport transport = TPortTransport::Unknown;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  int interface = -1;
  std::string serialNumber;
  std::string bluetoothAddress;
};

DeviceIdentity ParseDeviceInstanceId(std::string_view instanceId);

// The identity of a port's device from its own instance id and its parent's: a port on one
// interface of a composite device, or on a bridge's own bus (FTDIBUS), takes the serial number of
// the parent USB device with the same vendor and product.
DeviceIdentity PortIdentity(std::string_view instanceId, std::string_view parentInstanceId);

// The USB port path of a location path: "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(1)#USB(4)#USBMI(0)"
// gives "1.4"; a path without USB ports gives "".
std::string UsbPortPath(std::string_view locationPath);

// Appends a record with the name alone for each registry name that no record has (names compared
// without regard to ASCII case), in the registry's order.
void AddMissingPortNames(std::vector<platform::SerialPortRecord>& records,
                         const std::vector<std::string>& registryNames);

}  // namespace corekit::internal
