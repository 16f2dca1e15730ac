#include "corekit/platform/serial_port_details.h"

#include "corekit/platform/types.h"
// clang-format off
#include <setupapi.h>
#include <cfgmgr32.h>
#include <devpropdef.h>
// clang-format on

#include <algorithm>

#include "corekit/core/device_instance_id.h"
#include "corekit/platform/dynamic_library.h"
#include "corekit/platform/serial_ports.h"

namespace corekit::platform {
namespace {

// The device setup classes of serial ports and of modems (a modem is a serial port too).
constexpr GUID PortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr GUID ModemClass = {
    0x4d36e96d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
// The product text the device reported on its bus (DEVPKEY_Device_BusReportedDeviceDesc).
constexpr DEVPROPKEY BusReportedDescription = {
    {0x540b947e, 0x8b40, 0x45bc, {0xa8, 0xa2, 0x6a, 0x0b, 0x89, 0x4c, 0xbd, 0xa2}}, 4};

// SetupAPI and the configuration manager, loaded only while the ports are described: a program
// that loads the library and never asks for port details does not load them. Their headers give
// the types of the functions, with the system's calling convention.
class SetupCalls {
public:
  SetupCalls()
      : m_setup(SystemLoadDynamicLibrary("setupapi.dll", nullptr)),
        m_config(SystemLoadDynamicLibrary("cfgmgr32.dll", nullptr)) {
    Find(m_setup, "SetupDiGetClassDevsA", getClassDevs);
    Find(m_setup, "SetupDiEnumDeviceInfo", enumDeviceInfo);
    Find(m_setup, "SetupDiDestroyDeviceInfoList", destroyDeviceInfoList);
    Find(m_setup, "SetupDiOpenDevRegKey", openDevRegKey);
    Find(m_setup, "SetupDiGetDeviceRegistryPropertyA", getDeviceRegistryProperty);
    Find(m_setup, "SetupDiGetDevicePropertyW", getDeviceProperty);
    Find(m_config, "CM_Get_Device_IDA", getDeviceId);
    Find(m_config, "CM_Get_Parent", getParent);
    Find(m_config, "CM_Get_DevNode_Status", getStatus);
  }
  ~SetupCalls() {
    if (m_setup != nullptr) SystemFreeDynamicLibrary(m_setup);
    if (m_config != nullptr) SystemFreeDynamicLibrary(m_config);
  }
  SetupCalls(const SetupCalls&) = delete;
  SetupCalls& operator=(const SetupCalls&) = delete;

  // True when every function was found. (The bus-reported product, which systems before Vista
  // lack, and the device's status are optional.)
  bool Complete() const {
    return getClassDevs != nullptr && enumDeviceInfo != nullptr &&
           destroyDeviceInfoList != nullptr && openDevRegKey != nullptr &&
           getDeviceRegistryProperty != nullptr && getDeviceId != nullptr && getParent != nullptr;
  }

  decltype(&SetupDiGetClassDevsA) getClassDevs = nullptr;
  decltype(&SetupDiEnumDeviceInfo) enumDeviceInfo = nullptr;
  decltype(&SetupDiDestroyDeviceInfoList) destroyDeviceInfoList = nullptr;
  decltype(&SetupDiOpenDevRegKey) openDevRegKey = nullptr;
  decltype(&SetupDiGetDeviceRegistryPropertyA) getDeviceRegistryProperty = nullptr;
  decltype(&SetupDiGetDevicePropertyW) getDeviceProperty = nullptr;
  decltype(&CM_Get_Device_IDA) getDeviceId = nullptr;
  decltype(&CM_Get_Parent) getParent = nullptr;
  decltype(&CM_Get_DevNode_Status) getStatus = nullptr;

private:
  template <typename Function>
  static void Find(HMODULE module, const char* name, Function& function) {
    function = module != nullptr ? reinterpret_cast<Function>(SystemFindLibrarySymbol(module, name))
                                 : nullptr;
  }

  HMODULE m_setup;
  HMODULE m_config;
};

std::string UpTo(const char* text, std::size_t size) {
  std::size_t length = 0;
  while (length < size && text[length] != '\0') ++length;
  return std::string(text, length);
}

// A text property of the device's registry entry, or "". A list gives its first text.
std::string RegistryProperty(const SetupCalls& api, HDEVINFO set, SP_DEVINFO_DATA& device,
                             DWORD property) {
  char buffer[1024];
  DWORD type = 0;
  if (!api.getDeviceRegistryProperty(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer),
                                     sizeof buffer, nullptr))
    return "";
  if (type != REG_SZ && type != REG_MULTI_SZ && type != REG_EXPAND_SZ) return "";
  return UpTo(buffer, sizeof buffer);
}

std::string BusReportedProduct(const SetupCalls& api, HDEVINFO set, SP_DEVINFO_DATA& device) {
  wchar_t buffer[256];
  DEVPROPTYPE type = 0;
  if (api.getDeviceProperty == nullptr ||
      !api.getDeviceProperty(set, &device, &BusReportedDescription, &type,
                             reinterpret_cast<BYTE*>(buffer), sizeof buffer, nullptr, 0) ||
      type != DEVPROP_TYPE_STRING)
    return "";
  buffer[255] = L'\0';
  char text[512];
  const int length =
      WideCharToMultiByte(CP_ACP, 0, buffer, -1, text, sizeof text, nullptr, nullptr);
  return length > 0 ? std::string(text) : "";
}

// The port name of the device's own registry key (PortName), or "".
std::string PortName(const SetupCalls& api, HDEVINFO set, SP_DEVINFO_DATA& device) {
  HKEY key = api.openDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
  if (key == INVALID_HANDLE_VALUE) return "";
  char name[64];
  DWORD size = sizeof name;
  DWORD type = 0;
  std::string port;
  if (RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) ==
          ERROR_SUCCESS &&
      type == REG_SZ)
    port = UpTo(name, size);
  RegCloseKey(key);
  return port;
}

std::string InstanceId(const SetupCalls& api, DEVINST instance) {
  char id[MAX_DEVICE_ID_LEN + 1];
  if (api.getDeviceId(instance, id, sizeof id, 0) != CR_SUCCESS) return "";
  return UpTo(id, sizeof id);
}

// False when the device is no longer there, so that what was read of it may belong to no device.
bool StillPresent(const SetupCalls& api, DEVINST instance) {
  ULONG status = 0, problem = 0;
  return api.getStatus == nullptr || api.getStatus(&status, &problem, instance, 0) == CR_SUCCESS;
}

// Adds the ports of a device class; false when the class cannot be listed.
bool AddClass(const SetupCalls& api, const GUID& deviceClass,
              std::vector<SerialPortRecord>& records) {
  HDEVINFO set = api.getClassDevs(&deviceClass, nullptr, nullptr, DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE) return false;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD index = 0; api.enumDeviceInfo(set, index, &device); ++index) {
    SerialPortRecord record;
    record.name = PortName(api, set, device);
    if (record.name.empty() || record.name.rfind("LPT", 0) == 0) continue;  // printer ports
    record.path = InstanceId(api, device.DevInst);
    DEVINST parent = 0;
    const std::string parentId =
        api.getParent(&parent, device.DevInst, 0) == CR_SUCCESS ? InstanceId(api, parent) : "";
    const internal::DeviceIdentity identity = internal::PortIdentity(record.path, parentId);
    record.transport = identity.transport;
    record.vendorId = identity.vendorId;
    record.productId = identity.productId;
    record.interface = identity.interface;
    record.serialNumber = identity.serialNumber;
    record.description = RegistryProperty(api, set, device, SPDRP_FRIENDLYNAME);
    if (record.description.empty())
      record.description = RegistryProperty(api, set, device, SPDRP_DEVICEDESC);
    record.manufacturer = RegistryProperty(api, set, device, SPDRP_MFG);
    record.product = BusReportedProduct(api, set, device);
    record.driver = RegistryProperty(api, set, device, SPDRP_SERVICE);
    record.location =
        identity.transport == TPortTransport::Bluetooth
            ? identity.bluetoothAddress
            : internal::UsbPortPath(RegistryProperty(api, set, device, SPDRP_LOCATION_PATHS));
    if (StillPresent(api, device.DevInst)) records.push_back(record);
  }
  api.destroyDeviceInfoList(set);
  return true;
}

}  // namespace

bool ListSerialPortDetails(std::vector<SerialPortRecord>& records,
                           const std::vector<SerialPortRecord>&) {
  std::vector<std::string> before, after;
  bool listed = ListSerialPortNames(before);
  const SetupCalls api;
  RunSerialPortLookHook();
  if (api.Complete()) {
    listed = AddClass(api, PortsClass, records) && listed;
    listed = AddClass(api, ModemClass, records) && listed;
  } else {
    listed = false;
  }
  listed = ListSerialPortNames(after) && listed;
  // A name that came or went while the classes were listed is left to the next look: its device
  // may have been listed half.
  std::erase_if(after, [&before](const std::string& name) {
    return std::find(before.begin(), before.end(), name) == before.end();
  });
  internal::AddMissingPortNames(records, after);
  return listed;
}

}  // namespace corekit::platform
