#include "corekit/platform/serial_ports.h"

#include "corekit/platform/types.h"

namespace corekit::platform {

std::vector<std::string> SerialPortNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, 0x20019, &key) !=
      ERROR_SUCCESS) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    char name[64];
    BYTE data[64];
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) !=
        ERROR_SUCCESS)
      break;
    // The text up to its first zero byte, within the bytes read.
    const char* text = reinterpret_cast<const char*>(data);
    std::size_t length = 0;
    while (length < dataSize && text[length] != '\0') ++length;
    names.emplace_back(text, length);
  }
  RegCloseKey(key);
  return names;
}

void SetSerialDeviceFolder(const char*) {}

}  // namespace corekit::platform
