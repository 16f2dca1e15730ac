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

// POSIX: reads the tty devices below another folder instead of /sys/class/tty (for tests); null
// restores it. Windows: no effect.
void SetSerialDeviceFolder(const char* folder);

}  // namespace corekit::platform
