#include "corekit/platform/serial_port_details.h"

#include <libudev.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

#include "corekit/core/hex_text.h"
#include "corekit/platform/posix/icu_text.h"
#include "corekit/platform/serial_ports.h"

namespace corekit::platform {
namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// A text of the device tree in the process's encoding, as the library's texts are: the kernel and
// udev's hardware database write UTF-8.
std::string Local(const std::string& utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) return utf8;
  return posix::ToProcessEncoding(icu::UnicodeString::fromUTF8(utf8));
}

// A sysfs attribute without the line end the kernel adds.
std::string Attribute(udev_device* device, const char* name) {
  std::string value = Text(udev_device_get_sysattr_value(device, name));
  while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
  return Local(value);
}

std::string Property(udev_device* device, const char* name) {
  return Local(Text(udev_device_get_property_value(device, name)));
}

// A hex attribute ("1546", "00"), or -1 when it is missing or not hex.
long HexAttribute(udev_device* device, const char* name) {
  std::uint32_t value = 0;
  return ReadHex(Attribute(device, name), value) ? static_cast<long>(value) : -1;
}

std::string FirstOf(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

// The links udev made for the port: from its database entries, else from the DEVLINKS property
// (which a database without link entries still holds).
std::vector<std::string> Links(udev_device* tty) {
  std::vector<std::string> links;
  for (udev_list_entry* link = udev_device_get_devlinks_list_entry(tty); link != nullptr;
       link = udev_list_entry_get_next(link)) {
    links.push_back(Text(udev_list_entry_get_name(link)));
  }
  if (!links.empty()) return links;
  const std::string property = Text(udev_device_get_property_value(tty, "DEVLINKS"));
  for (std::size_t start = 0; start < property.size();) {
    const std::size_t end = std::min(property.find(' ', start), property.size());
    if (end > start) links.push_back(property.substr(start, end - start));
    start = end + 1;
  }
  return links;
}

// The port's alias in the folder, if one of its links there leads to its device node. Udev's
// database lists a link for every device that claims it, but only one device has it: two adapters
// without serial numbers claim the same by-id name.
std::string Alias(const std::vector<std::string>& links, const struct stat& node,
                  const std::string& folder) {
  for (const std::string& link : links) {
    struct stat target {};
    if (link.rfind(folder, 0) == 0 && stat(link.c_str(), &target) == 0 &&
        target.st_dev == node.st_dev && target.st_ino == node.st_ino)
      return link;
  }
  return "";
}

// The UART the serial core found, by the kernel's port type numbers of the common chips.
std::string UartName(udev_device* tty) {
  static const std::pair<const char*, const char*> Uarts[] = {
      {"1", "8250"},   {"2", "16450"},  {"3", "16550"},
      {"4", "16550A"}, {"32", "PL011"}, {"108", "SC16IS7xx"}};
  const std::string type = Attribute(tty, "type");
  for (const auto& [number, name] : Uarts) {
    if (type == number) return name;
  }
  return "";
}

// The buses of a machine's own UARTs: a PC's, a board's (platform devices, ARM's AMBA bus) and
// UART bridges on its SPI or I2C bus.
bool IsNativeBus(const std::string& subsystem) {
  static const char* const Buses[] = {"pnp", "acpi", "pci", "platform", "amba", "spi", "i2c"};
  return std::find(std::begin(Buses), std::end(Buses), subsystem) != std::end(Buses);
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
      FirstOf(Attribute(usbDevice, "manufacturer"), Property(usbDevice, "ID_VENDOR_FROM_DATABASE"));
  record.product =
      FirstOf(Attribute(usbDevice, "product"), Property(usbDevice, "ID_MODEL_FROM_DATABASE"));
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
  struct stat node {};
  const std::string devnode = FirstOf(Text(udev_device_get_devnode(tty)), record.name);
  if (stat(devnode.c_str(), &node) == 0) {
    const std::vector<std::string> links = Links(tty);
    record.byId = Alias(links, node, "/dev/serial/by-id/");
    record.byPath = Alias(links, node, "/dev/serial/by-path/");
  }
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
  if (parent != nullptr && IsNativeBus(Text(udev_device_get_subsystem(parent))))
    record.transport = TPortTransport::Native;
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
