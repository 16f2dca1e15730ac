#include "corekit/core/device_instance_id.h"

#include <gtest/gtest.h>

namespace {

using corekit::platform::SerialPortRecord;

struct IdCase {
  const char* instanceId;
  const char* parentId;
  TPortTransport transport;
  std::uint16_t vendorId, productId;
  int interface;
  const char* serial;
  const char* bluetoothAddress;
};

// Ids as Windows shows them in the device manager's details, with made-up instance parts.
const IdCase IdCases[] = {
    // CDC-ACM receiver: the port is interface 0 of a composite device; a serial number sits on the
    // parent, a parent without one (its part holds '&') or with other ids gives none.
    {R"(USB\VID_1546&PID_01A9&MI_00\6&2C3F1A0&0&0000)", R"(USB\VID_1546&PID_01A9\0123456789)",
     TPortTransport::Usb, 0x1546, 0x01a9, 0, "0123456789", ""},
    {R"(USB\VID_1546&PID_01A9&MI_00\6&2C3F1A0&0&0000)", R"(USB\VID_1546&PID_01A9\5&1D2E3F4&0&2)",
     TPortTransport::Usb, 0x1546, 0x01a9, 0, "", ""},
    {R"(USB\VID_1546&PID_01A9&MI_02\6&2C3F1A0&0&0002)", R"(USB\VID_0403&PID_6010\FT4Q8Z1)",
     TPortTransport::Usb, 0x1546, 0x01a9, 2, "", ""},
    {R"(USB\VID_10C4&PID_EA60\0001)", "", TPortTransport::Usb, 0x10c4, 0xea60, -1, "0001", ""},
    {R"(USB\VID_12&PID_2303\5&3A2C1B7&0&1)", "", TPortTransport::Usb, 0, 0, -1, "", ""},
    // FTDI's own bus adds the port letter to the serial number; the parent USB device has it plain.
    {R"(FTDIBUS\VID_0403+PID_6001+A5XK3RJTA\0000)", "", TPortTransport::Usb, 0x0403, 0x6001, -1,
     "A5XK3RJTA", ""},
    {R"(FTDIBUS\VID_0403+PID_6001+A5XK3RJTA\0000)", R"(USB\VID_0403&PID_6001\A5XK3RJT)",
     TPortTransport::Usb, 0x0403, 0x6001, -1, "A5XK3RJT", ""},
    // Outgoing and incoming Bluetooth serial ports: the second has no remote address.
    {R"(BTHENUM\{00001101-0000-1000-8000-00805F9B34FB}_LOCALMFG&0002\7&1B2C3D4E&0&001A7DDA7113_C00000000)",
     "", TPortTransport::Bluetooth, 0, 0, -1, "", "00:1A:7D:DA:71:13"},
    {R"(BTHENUM\{00001101-0000-1000-8000-00805F9B34FB}_LOCALMFG&0000\7&1B2C3D4E&0&000000000000_00000000)",
     "", TPortTransport::Bluetooth, 0, 0, -1, "", ""},
    {R"(ACPI\PNP0501\1)", "", TPortTransport::Native, 0, 0, -1, "", ""},
    {R"(COM0COM\PORT\CNCA0)", "", TPortTransport::Virtual, 0, 0, -1, "", ""},
    {"", "", TPortTransport::Unknown, 0, 0, -1, "", ""},
};

TEST(DeviceInstanceId, ReadsIdsSerialNumbersAndAddresses) {
  for (const IdCase& row : IdCases) {
    SCOPED_TRACE(row.instanceId);
    const corekit::internal::DeviceIdentity id =
        corekit::internal::PortIdentity(row.instanceId, row.parentId);
    EXPECT_EQ(id.transport, row.transport);
    EXPECT_EQ(id.vendorId, row.vendorId);
    EXPECT_EQ(id.productId, row.productId);
    EXPECT_EQ(id.interface, row.interface);
    EXPECT_EQ(id.serialNumber, row.serial);
    EXPECT_EQ(id.bluetoothAddress, row.bluetoothAddress);
  }
}

TEST(DeviceInstanceId, TakesTheUsbPortsOfALocationPath) {
  using corekit::internal::UsbPortPath;
  EXPECT_EQ(UsbPortPath("PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(1)#USB(4)#USBMI(0)"), "1.4");
  EXPECT_EQ(UsbPortPath("PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(13)"), "13");
  EXPECT_EQ(UsbPortPath("ACPI(_SB_)#ACPI(PCI0)#ACPI(LPCB)#ACPI(UAR1)"), "");
}

TEST(DeviceInstanceId, AddsTheRegistrysNamesThatSetupMissed) {
  std::vector<SerialPortRecord> records(2);
  records[0].name = "COM7";
  records[0].vendorId = 0x1546;
  records[1].name = "COM3";
  corekit::internal::AddMissingPortNames(records, {"COM1", "com3", "COM7", "COM9"});
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].vendorId, 0x1546);
  EXPECT_EQ(records[2].name, "COM1");
  EXPECT_EQ(records[3].name, "COM9");
  EXPECT_EQ(records[3].transport, TPortTransport::Unknown);
}

}  // namespace
