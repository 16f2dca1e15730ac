// The serial ports of a recorded Raspberry Pi 4 (kernel 6.12, whose serial core puts its own
// devices between a UART's tty and its hardware): a GNSS hat on the PL011 UART, SC16IS7xx UARTs on
// I2C and SPI, a receiver and three adapters on USB. The program runs inside umockdev's test bed
// (umockdev-run -d devices/raspberry_pi.umockdev), which shows the recording as /sys and /dev.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "corekit/util/com_port_details.h"
#include "tests/support/process_encoding.h"

namespace {

struct BoardPort {
  const char* name;
  TPortTransport transport;
  const char* description;  // UTF-8, as the device tree holds it
  const char* driver;
  const char* byId;    // in /dev/serial/by-id/
  const char* byPath;  // in /dev/serial/by-path/, after the USB controller's part
};

constexpr TPortTransport Native = TPortTransport::Native, Usb = TPortTransport::Usb;

// Read off the recording by hand. The two CH340 adapters have no serial numbers: both claim the
// by-id name, whose link leads to ttyUSB1; their by-path names tell them apart.
const BoardPort Expected[] = {
    {"/dev/ttyACM0", Usb, "R\303\251cepteur GNSS RTK", "cdc_acm",
     "usb-G\303\251od\303\251sie_Num\303\251rique_R\303\251cepteur_GNSS_RTK-if00", "1.1:1.0"},
    {"/dev/ttyAMA0", Native, "Serial port (PL011)", "uart-pl011", "", ""},
    {"/dev/ttySC0", Native, "Serial port (SC16IS7xx)", "sc16is7xx", "", ""},
    {"/dev/ttySC1", Native, "Serial port (SC16IS7xx)", "sc16is7xx", "", ""},
    {"/dev/ttySC2", Native, "Serial port (SC16IS7xx)", "sc16is7xx", "", ""},
    {"/dev/ttyUSB0", Usb, "USB2.0-Serial", "ch341-uart", "", "1.3:1.0-port0"},
    {"/dev/ttyUSB1", Usb, "USB2.0-Serial", "ch341-uart", "usb-1a86_USB2.0-Serial-if00-port0",
     "1.4:1.0-port0"},
    {"/dev/ttyUSB2", Usb, "USB-Serial Controller", "pl2303",
     "usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0", "1.2:1.0-port0"},
};

std::string Alias(const std::string& folder, const std::string& name) {
  return name.empty() ? "" : folder + name;
}

TEST(BoardPorts, DescribesEachPortOfTheBoard) {
  if (std::getenv("UMOCKDEV_DIR") == nullptr)
    GTEST_SKIP() << "not inside umockdev's test bed: run through ctest, which starts umockdev-run";
  const std::vector<TComPortInfo> ports = ListComPortDetails();
  ASSERT_EQ(ports.size(), std::size(Expected));
  for (std::size_t i = 0; i < std::size(Expected); ++i) {
    const BoardPort& want = Expected[i];
    const TComPortInfo& port = ports[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(std::string(port.Name), want.name);
    EXPECT_EQ(port.Transport, want.transport);
    // Texts in the process's encoding; the aliases are file names, as the file system has them.
    EXPECT_EQ(std::string(port.Description), InProcessEncoding(want.description));
    EXPECT_EQ(std::string(port.Driver), want.driver);
    EXPECT_EQ(std::string(port.ById), Alias("/dev/serial/by-id/", want.byId));
    EXPECT_EQ(
        std::string(port.ByPath),
        Alias("/dev/serial/by-path/platform-fd500000.pcie-pci-0000:01:00.0-usb-0:", want.byPath));
  }
}

}  // namespace
