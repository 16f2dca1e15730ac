#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corekit/util/com_port_info.h"

namespace corekit::platform {

// What the system tells of one serial port; empty texts, zero ids and interface -1 where it says
// nothing. The fields mean what TComPortInfo's do.
struct SerialPortRecord {
  std::string name;
  std::string path;
  std::string description;
  TPortTransport transport = TPortTransport::Unknown;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::string serialNumber;
  std::string manufacturer;
  std::string product;
  std::string location;
  int interface = -1;
  std::string driver;
  std::string byId;
  std::string byPath;
};

// The present serial ports with their details. POSIX: the ports of SerialPortNames, in its order,
// described from the device tree through libudev. Windows: the ports of the Ports and Modem device
// classes (SetupAPI), then the names of the registry's serial map that those miss.
std::vector<SerialPortRecord> SerialPortDetails();

}  // namespace corekit::platform
