#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corekit/core/port_transport.h"

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
  // POSIX: the port's SerialPortEntry when it was described. While it stays, so does the record.
  std::string entry;
};

// The present serial ports with their details. POSIX: the ports of SerialPortNames, in its order,
// described from the device tree through libudev. Windows: the ports of the Ports and Modem device
// classes (SetupAPI), then the names of the registry's serial map that those miss and that the map
// held both before and after the classes were listed. A port whose device goes before or while it
// is described is left out: a record made then would give it another identity.
std::vector<SerialPortRecord> SerialPortDetails();

// The same into records; false when the system could not list its ports at all (POSIX: the tty
// folder cannot be read or libudev gives no context; Windows: SetupAPI or the configuration
// manager lacks a function, or a device class or the registry's map cannot be read). The records
// then hold what the system still told, the names alone where nothing more is known. POSIX: a
// port whose entry is that of a record of known (an earlier look's) is not described again; that
// record is taken, so that a look after one port came describes only that one.
bool ListSerialPortDetails(std::vector<SerialPortRecord>& records,
                           const std::vector<SerialPortRecord>& known = {});

// A function that each listing of the details calls between listing the ports and describing
// them, on the listing's thread, so that tests can change the devices at that point.
using SerialPortLookHook = void (*)();

// Sets the hook (null: none) and returns the one set before.
SerialPortLookHook SetSerialPortLookHook(SerialPortLookHook hook) noexcept;

// Calls the hook, if one is set.
void RunSerialPortLookHook();

}  // namespace corekit::platform
