#include "corekit/platform/serial_ports.h"

#include "corekit/platform/types.h"
// clang-format off
#include <cfgmgr32.h>
// clang-format on

#include "corekit/platform/dynamic_library.h"

namespace corekit::platform {
namespace {

using IdListSize = decltype(&CM_Get_Device_ID_List_SizeA);
using IdList = decltype(&CM_Get_Device_ID_ListA);

// Appends the present device instances of a device setup class, one id after another; false when
// the configuration manager cannot list them.
bool AddClassInstances(IdListSize size, IdList list, const char* setupClass, std::string& text) {
  const ULONG flags = CM_GETIDLIST_FILTER_CLASS | CM_GETIDLIST_FILTER_PRESENT;
  ULONG length = 0;
  if (size(&length, setupClass, flags) != CR_SUCCESS) return false;
  std::string ids(length, '\0');
  if (list(setupClass, ids.data(), length, flags) != CR_SUCCESS) return false;
  text += ids + '|';
  return true;
}

}  // namespace

bool ListSerialPortNames(std::vector<std::string>& names) {
  HKEY key = nullptr;
  const LONG opened =
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, 0x20019, &key);
  if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND;  // no map: no ports
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
  return true;
}

std::vector<std::string> SerialPortNames() {
  std::vector<std::string> names;
  ListSerialPortNames(names);
  return names;
}

std::string SerialPortListSignature() {
  HMODULE config = SystemLoadDynamicLibrary("cfgmgr32.dll", nullptr);
  if (config == nullptr) return "";
  const auto size =
      reinterpret_cast<IdListSize>(SystemFindLibrarySymbol(config, "CM_Get_Device_ID_List_SizeA"));
  const auto list =
      reinterpret_cast<IdList>(SystemFindLibrarySymbol(config, "CM_Get_Device_ID_ListA"));
  std::string signature;
  std::vector<std::string> names;
  // The Ports and the Modem class, and the registry's names.
  const bool made =
      size != nullptr && list != nullptr &&
      AddClassInstances(size, list, "{4d36e978-e325-11ce-bfc1-08002be10318}", signature) &&
      AddClassInstances(size, list, "{4d36e96d-e325-11ce-bfc1-08002be10318}", signature) &&
      ListSerialPortNames(names);
  SystemFreeDynamicLibrary(config);
  if (!made) return "";
  for (const std::string& name : names) signature += name + '|';
  return signature;
}

std::string SerialPortEntry(const std::string&) { return ""; }

void SetSerialDeviceFolder(const char*) {}

}  // namespace corekit::platform
