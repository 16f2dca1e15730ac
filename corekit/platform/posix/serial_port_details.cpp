#include "corekit/platform/serial_port_details.h"

#include <libudev.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "corekit/platform/serial_ports.h"

namespace corekit::platform {
namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// A sysfs attribute without the line end the kernel adds.
std::string Attribute(udev_device* device, const char* name) {
  std::string value = Text(udev_device_get_sysattr_value(device, name));
  while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
  return value;
}

// A hex attribute ("1546", "00"), or -1 when it is missing or not hex.
long HexAttribute(udev_device* device, const char* name) {
  const std::string text = Attribute(device, name);
  if (text.empty()) return -1;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 16);
  return *end == '\0' ? value : -1;
}

std::string FirstOf(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

bool IsById(const std::string& path) { return path.rfind("/dev/serial/by-id/", 0) == 0; }

// The port's stable alias, if udev made one: from its links, else from the DEVLINKS property
// (which a database without link entries still holds).
std::string SerialById(udev_device* tty) {
  for (udev_list_entry* link = udev_device_get_devlinks_list_entry(tty); link != nullptr;
       link = udev_list_entry_get_next(link)) {
    const std::string path = Text(udev_list_entry_get_name(link));
    if (IsById(path)) return path;
  }
  const std::string links = Text(udev_device_get_property_value(tty, "DEVLINKS"));
  for (std::size_t start = 0; start < links.size();) {
    const std::size_t end = std::min(links.find(' ', start), links.size());
    const std::string path = links.substr(start, end - start);
    if (IsById(path)) return path;
    start = end + 1;
  }
  return "";
}

// The UART the serial core found: the kernel's port type numbers of the common chips.
std::string UartName(udev_device* tty) {
  const std::string type = Attribute(tty, "type");
  if (type == "1") return "8250";
  if (type == "2") return "16450";
  if (type == "3") return "16550";
  if (type == "4") return "16550A";
  return "";
}

void DescribeUsb(udev_device* usbDevice, udev_device* usbInterface, SerialPortRecord& record) {
  record.transport = TPortTransport::Usb;
  const long vendor = HexAttribute(usbDevice, "idVendor");
  const long product = HexAttribute(usbDevice, "idProduct");
  if (vendor >= 0 && product >= 0) {
    record.vendorId = static_cast<std::uint16_t>(vendor);
    record.productId = static_cast<std::uint16_t>(product);
  }
  // A composite device keeps its strings on the device, not on the interface.
  record.serialNumber = Attribute(usbDevice, "serial");
  record.manufacturer =
      FirstOf(Attribute(usbDevice, "manufacturer"),
              Text(udev_device_get_property_value(usbDevice, "ID_VENDOR_FROM_DATABASE")));
  record.product =
      FirstOf(Attribute(usbDevice, "product"),
              Text(udev_device_get_property_value(usbDevice, "ID_MODEL_FROM_DATABASE")));
  record.location = Text(udev_device_get_sysname(usbDevice));
  if (usbInterface != nullptr) {
    const long number = HexAttribute(usbInterface, "bInterfaceNumber");
    record.interface = number >= 0 ? static_cast<int>(number) : -1;
  }
  const std::string interfaceName =
      usbInterface != nullptr ? Attribute(usbInterface, "interface") : "";
  // The interface's own name tells the ports of a device with several apart.
  record.description = FirstOf(record.product, "USB serial port");
  if (!interfaceName.empty() && interfaceName != record.product)
    record.description += " - " + interfaceName;
}

void Describe(udev_device* tty, SerialPortRecord& record) {
  record.path = Text(udev_device_get_syspath(tty));
  record.byId = SerialById(tty);
  // Newer kernels put the serial core's own controller and port devices (serial-base) between a
  // UART's tty and its hardware; the hardware's device names the driver.
  udev_device* parent = udev_device_get_parent(tty);
  while (parent != nullptr && Text(udev_device_get_subsystem(parent)) == "serial-base")
    parent = udev_device_get_parent(parent);
  if (parent != nullptr) record.driver = Text(udev_device_get_driver(parent));
  udev_device* usbDevice = udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device");
  if (usbDevice != nullptr) {
    DescribeUsb(usbDevice,
                udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_interface"), record);
    return;
  }
  const std::string name = Text(udev_device_get_sysname(tty));
  if (name.rfind("rfcomm", 0) == 0) {
    record.transport = TPortTransport::Bluetooth;
    std::string address = Attribute(tty, "address");
    for (char& c : address) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (address != "00:00:00:00:00:00") record.location = address;
    record.description = "Bluetooth serial port";
    return;
  }
  const std::string subsystem = parent != nullptr ? Text(udev_device_get_subsystem(parent)) : "";
  if (subsystem == "pnp" || subsystem == "platform" || subsystem == "pci" || subsystem == "acpi" ||
      subsystem == "serial-base") {
    record.transport = TPortTransport::Native;
  }
  const std::string uart = UartName(tty);
  record.description = uart.empty() ? "Serial port" : "Serial port (" + uart + ")";
}

// Describes the port from the device tree; false when its device is gone, before it could be
// described or while it was. The kernel removes a device's folder before those of the devices it
// hangs from, so while the tty's folder stands, all that was read belonged to it.
bool Described(udev* context, SerialPortRecord& record) {
  const std::string sysname = record.name.substr(record.name.rfind('/') + 1);
  udev_device* tty = udev_device_new_from_subsystem_sysname(context, "tty", sysname.c_str());
  if (tty == nullptr) return false;
  Describe(tty, record);
  udev_device_unref(tty);
  return access(record.path.c_str(), F_OK) == 0;
}

}  // namespace

bool ListSerialPortDetails(std::vector<SerialPortRecord>& records,
                           const std::vector<SerialPortRecord>& known) {
  std::vector<std::string> names;
  const bool listed = ListSerialPortNames(names);
  udev* context = udev_new();
  RunSerialPortLookHook();
  for (const std::string& name : names) {
    SerialPortRecord record;
    record.name = name;
    record.entry = SerialPortEntry(name);
    const auto same =
        std::find_if(known.begin(), known.end(), [&record](const SerialPortRecord& old) {
          return !record.entry.empty() && old.name == record.name && old.entry == record.entry;
        });
    if (same != known.end()) {
      records.push_back(*same);
    } else if (context == nullptr || Described(context, record)) {
      records.push_back(record);
    }
  }
  if (context == nullptr) return false;
  udev_unref(context);
  return listed;
}

}  // namespace corekit::platform
