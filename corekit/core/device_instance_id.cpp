#include "corekit/core/device_instance_id.h"

#include <algorithm>

#include "corekit/core/hex_text.h"

namespace corekit::internal {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Upper(x) == Upper(y); });
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// The number written in exactly `digits` hex digits, or -1.
long HexNumber(std::string_view text, std::size_t digits) {
  std::uint32_t value = 0;
  return text.size() == digits && ReadHex(text, value) ? static_cast<long>(value) : -1;
}

// The parts of text between separators.
std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

// Reads VID_, PID_ and MI_ tokens; true when both ids were there. Other tokens go to rest.
bool ReadUsbTokens(std::string_view hardwarePart, char separator, DeviceIdentity& identity,
                   std::string_view& rest) {
  long vendor = -1, product = -1;
  for (std::string_view token : Split(hardwarePart, separator)) {
    if (StartsWith(token, "VID_")) {
      vendor = HexNumber(token.substr(4), 4);
    } else if (StartsWith(token, "PID_")) {
      product = HexNumber(token.substr(4), 4);
    } else if (StartsWith(token, "MI_")) {
      identity.interface = static_cast<int>(HexNumber(token.substr(3), 2));
    } else if (rest.empty()) {
      rest = token;
    }
  }
  if (vendor < 0 || product < 0) return false;
  identity.vendorId = static_cast<std::uint16_t>(vendor);
  identity.productId = static_cast<std::uint16_t>(product);
  return true;
}

// "001122334455" as "00:11:22:33:44:55"; a zero or malformed address is "".
std::string BluetoothAddress(std::string_view instancePart) {
  std::string_view tail = instancePart.substr(instancePart.rfind('&') + 1);
  tail = tail.substr(0, tail.find('_'));
  if (tail.size() != 12 || HexNumber(tail.substr(0, 6), 6) < 0 ||
      HexNumber(tail.substr(6), 6) < 0 || tail.find_first_not_of('0') == std::string_view::npos)
    return "";
  std::string address;
  for (std::size_t i = 0; i < tail.size(); i += 2) {
    if (i > 0) address += ':';
    address += Upper(tail[i]);
    address += Upper(tail[i + 1]);
  }
  return address;
}

}  // namespace

DeviceIdentity ParseDeviceInstanceId(std::string_view instanceId) {
  DeviceIdentity identity;
  const std::vector<std::string_view> parts = Split(instanceId, '\\');
  if (parts.size() < 2) return identity;
  const std::string_view bus = parts[0];
  const std::string_view instance = parts.size() > 2 ? parts[2] : std::string_view();
  std::string_view rest;
  if (SameText(bus, "BTHENUM") || SameText(bus, "BTHMODEM")) {
    identity.transport = TPortTransport::Bluetooth;
    identity.bluetoothAddress = BluetoothAddress(instance);
  } else if (SameText(bus, "FTDIBUS")) {
    // The bridge's own bus: VID_0403+PID_6001+<serial and port letter>.
    if (ReadUsbTokens(parts[1], '+', identity, rest)) {
      identity.transport = TPortTransport::Usb;
      identity.serialNumber = std::string(rest);
    }
  } else if (ReadUsbTokens(parts[1], '&', identity, rest) || SameText(bus, "USB")) {
    identity.transport = TPortTransport::Usb;
    // A serial number the device reported, unless the system made the part up (it holds '&').
    if (instance.find('&') == std::string_view::npos) identity.serialNumber = std::string(instance);
  } else if (SameText(bus, "ACPI") || SameText(bus, "PCI") || SameText(bus, "PNP") ||
             StartsWith(parts[1], "*PNP05")) {
    identity.transport = TPortTransport::Native;
  } else {
    identity.transport = TPortTransport::Virtual;  // a driver's own port: ROOT\, COM0COM\, ...
  }
  return identity;
}

DeviceIdentity PortIdentity(std::string_view instanceId, std::string_view parentInstanceId) {
  DeviceIdentity identity = ParseDeviceInstanceId(instanceId);
  if (identity.transport != TPortTransport::Usb) return identity;
  const bool ownBus = !StartsWith(instanceId, "USB\\");
  if (!identity.serialNumber.empty() && !ownBus) return identity;
  const DeviceIdentity parent = ParseDeviceInstanceId(parentInstanceId);
  if (StartsWith(parentInstanceId, "USB\\") && parent.vendorId == identity.vendorId &&
      parent.productId == identity.productId && !parent.serialNumber.empty())
    identity.serialNumber = parent.serialNumber;
  return identity;
}

std::string UsbPortPath(std::string_view locationPath) {
  std::string path;
  for (std::string_view node : Split(locationPath, '#')) {
    if (!StartsWith(node, "USB(") || node.back() != ')') continue;
    if (!path.empty()) path += '.';
    path += node.substr(4, node.size() - 5);
  }
  return path;
}

void AddMissingPortNames(std::vector<platform::SerialPortRecord>& records,
                         const std::vector<std::string>& registryNames) {
  for (const std::string& name : registryNames) {
    const bool known =
        std::any_of(records.begin(), records.end(),
                    [&](const platform::SerialPortRecord& r) { return SameText(r.name, name); });
    if (known) continue;
    platform::SerialPortRecord record;
    record.name = name;
    records.push_back(record);
  }
}

}  // namespace corekit::internal
