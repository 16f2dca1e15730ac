#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// What a USB id says about the device behind a serial port: a GNSS receiver's own id (the vendor
// made it for receivers only), a generic USB-serial bridge chip (anything may sit behind it), or
// an id the library does not know.
enum class TUsbSerialKind : int { Unknown = 0, GnssReceiver = 1, SerialBridge = 2 };

// The kind of the USB id: UsbSerialKind(0x1546, 0x01a9) is GnssReceiver (u-blox),
// UsbSerialKind(0x0403, 0x6001) is SerialBridge (FTDI), UsbSerialKind(0, 0) is Unknown.
COREKIT_API TUsbSerialKind UsbSerialKind(WORD vendorId, WORD productId);
