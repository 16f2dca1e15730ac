#pragma once

#include "corekit/core/kstring.h"
#include "corekit/core/port_transport.h"
#include "corekit/platform/interface_types.h"

// The identity of one present serial port, as the system describes it. Texts the device lacks are
// empty; VendorId and ProductId are 0 and Interface is -1 for a port that is not on USB.
struct TComPortInfo {
  KString Name;         // as applications open it: "/dev/ttyACM0", "COM7"
  KString Path;         // the system's device: its sysfs folder, or its device instance id
  KString Description;  // what to show a user: "u-blox GNSS receiver", "USB Serial Port (COM7)"
  TPortTransport Transport = TPortTransport::Unknown;  // how the port reaches the device
  WORD VendorId = 0;                                   // the USB vendor id
  WORD ProductId = 0;                                  // the USB product id
  KString SerialNumber;  // the USB device's serial number, also for one interface of a composite
  KString Manufacturer;  // the device's manufacturer text, else the vendor's registered name
  KString Product;       // the device's product text, else the model's registered name
  KString Location;      // USB: bus and port path ("1-1.4"); Bluetooth: the remote address
  int Interface = -1;    // the USB interface number of the port
  KString Driver;        // the system's driver: "cdc_acm", "ftdi_sio", "usbser", "FTSER2K"
  KString ById;          // Linux: the /dev/serial/by-id/ alias that leads to this port, if any
  KString ByPath;        // Linux: the /dev/serial/by-path/ alias (one per USB socket), if any
};
