#pragma once

#include <string>
#include <vector>

namespace corekit::platform {

// The names of the serial ports the system lists, in its order, up to the first entry whose name
// or data does not fit a 64-byte buffer. Windows: the values of the registry key
// HARDWARE\DEVICEMAP\SERIALCOMM. POSIX: the tty devices of sysfs (/sys/class/tty) that have a
// device behind them, and the Bluetooth rfcomm ports, as /dev/<name> in name order, leaving out
// legacy ports whose hardware is absent (port type 0).
std::vector<std::string> SerialPortNames();

// The same names into names; false when the system's list cannot be read at all (POSIX: the tty
// folder cannot be opened; Windows: the registry key is there but cannot be opened). A missing
// registry key is a machine without serial ports.
bool ListSerialPortNames(std::vector<std::string>& names);

// A text that changes whenever a serial port may have come or gone, made without describing any
// port, so that a look that finds it unchanged can stop there. POSIX: SerialPortEntry of each
// entry of the tty folder; Windows: the registry's serial map and the present device instances of
// the Ports and Modem classes. Empty when it cannot be made.
std::string SerialPortListSignature();

// POSIX: the port's entry in the tty folder as its name, inode number and link target, or "" when
// it has none. The kernel makes new entries for a device that comes again, so an equal text means
// the same device. Windows: always "".
std::string SerialPortEntry(const std::string& port);

// POSIX: reads the tty devices below another folder instead of /sys/class/tty (for tests); null
// restores it. Windows: no effect.
void SetSerialDeviceFolder(const char* folder);

}  // namespace corekit::platform
