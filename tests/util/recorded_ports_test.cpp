// The serial ports of a recorded device tree: the program runs inside umockdev's test bed
// (umockdev-run -d devices/serial_ports.umockdev), which shows the recording as /sys and /dev.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "corekit/platform/serial_port_details.h"
#include "corekit/platform/serial_ports.h"
#include "corekit/util/com_port_details.h"
#include "corekit/util/com_ports.h"
#include "tests/support/port_change_log.h"
#include "tests/support/test_bed_uevent.h"

namespace {

class RecordedPorts : public testing::Test {
protected:
  void SetUp() override {
    if (std::getenv("COREKIT_NO_UMOCKDEV") != nullptr)
      GTEST_SKIP() << "umockdev-run is not installed: the recorded device tree cannot be shown";
    if (std::getenv("UMOCKDEV_DIR") == nullptr)
      GTEST_SKIP()
          << "not inside umockdev's test bed: run through ctest, which starts umockdev-run";
  }
  static std::vector<std::string> Names(const std::vector<TComPortInfo>& ports) {
    std::vector<std::string> names;
    for (const TComPortInfo& port : ports) names.emplace_back(port.Name);
    return names;
  }
};

struct ExpectedPort {
  const char* name;
  TPortTransport transport;
  WORD vendorId, productId;
  const char* serial;
  const char* manufacturer;
  const char* product;
  const char* location;
  int interface;
  const char* driver;
  const char* byId;
};

// What the recording holds, read off it by hand. Left out: the placeholders ttyS1 to ttyS31 (port
// type 0), the pseudo-terminal master, the console and a virtual console.
const ExpectedPort Expected[] = {
    {"/dev/rfcomm0", TPortTransport::Bluetooth, 0, 0, "", "", "", "00:1A:7D:DA:71:13", -1, "", ""},
    {"/dev/ttyACM0", TPortTransport::Usb, 0x1546, 0x01a9, "", "u-blox AG - www.u-blox.com",
     "u-blox GNSS receiver", "1-2", 0, "cdc_acm",
     "/dev/serial/by-id/usb-u-blox_AG_-_www.u-blox.com_u-blox_GNSS_receiver-if00"},
    {"/dev/ttyS0", TPortTransport::Native, 0, 0, "", "", "", "", -1, "serial", ""},
    {"/dev/ttyUSB0", TPortTransport::Usb, 0x0403, 0x6001, "A5XK3RJT", "FTDI", "FT232R USB UART",
     "1-3", 0, "ftdi_sio", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0"},
    {"/dev/ttyUSB1", TPortTransport::Usb, 0x10c4, 0xea60, "0001", "Silicon Labs",
     "CP2102 USB to UART Bridge Controller", "1-4.1", 0, "cp210x",
     "/dev/serial/by-id/usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_0001-if00-port0"},
    // Without strings of its own: the hardware database's names.
    {"/dev/ttyUSB2", TPortTransport::Usb, 0x067b, 0x2303, "", "Prolific Technology, Inc.",
     "PL2303 Serial Port / Mobile Action MA-8910P", "1-5", 0, "pl2303", ""},
};

TEST_F(RecordedPorts, DescribesEachPortOfTheTree) {
  kx_std::vector_coll<TComPortInfo> ports;
  ASSERT_EQ(EnumComPortDetails(ports), static_cast<int>(std::size(Expected)));
  for (std::size_t i = 0; i < std::size(Expected); ++i) {
    const ExpectedPort& want = Expected[i];
    const TComPortInfo& port = ports.items[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(std::string(port.Name), want.name);
    EXPECT_EQ(port.Transport, want.transport);
    EXPECT_EQ(port.VendorId, want.vendorId);
    EXPECT_EQ(port.ProductId, want.productId);
    EXPECT_EQ(std::string(port.SerialNumber), want.serial);
    EXPECT_EQ(std::string(port.Manufacturer), want.manufacturer);
    EXPECT_EQ(std::string(port.Product), want.product);
    EXPECT_EQ(std::string(port.Location), want.location);
    EXPECT_EQ(port.Interface, want.interface);
    EXPECT_EQ(std::string(port.Driver), want.driver);
    EXPECT_EQ(std::string(port.ById), want.byId);
  }
  EXPECT_EQ(std::string(ports.items[2].Description), "Serial port (16550A)");
}

TEST_F(RecordedPorts, AgreesWithTheListOfNames) {
  kx_std::vector_coll<kx_std::s_d<KString, KString>> names;
  kx_std::vector_coll<TComPortInfo> ports;
  EXPECT_EQ(EnumComPorts(names), EnumComPortDetails(ports));
  std::vector<std::string> listed;
  for (const auto& name : names.items) listed.emplace_back(name.key);
  EXPECT_EQ(listed, Names(ports.items));
}

TEST_F(RecordedPorts, FindsPortsByUsbIdAndSerialNumber) {
  kx_std::vector_coll<TComPortInfo> found;
  EXPECT_EQ(FindComPortsByUsbId(0x1546, 0x01a9, found), 1);
  EXPECT_EQ(FindComPortsBySerialNumber("A5XK3RJT", found), 1);
  EXPECT_EQ(FindComPortsBySerialNumber("", found), 0);
  EXPECT_EQ(FindComPortsByUsbId(0x0403, 0x6010, found), 0);
  EXPECT_EQ(Names(found.items), (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB0"}));
}

// ttyUSB0 of the test bed unplugged and plugged in again as the kernel does it: its entry in
// /sys/class/tty goes, and comes back as a new link (with another inode number, so the old one
// stays until the new one is made); the monitors are told as udev tells them.
struct Adapter {
  static std::filesystem::path Bed() { return std::getenv("UMOCKDEV_DIR"); }
  static std::filesystem::path Entry() { return Bed() / "sys/class/tty/ttyUSB0"; }
  static void Unplug(bool tell = true) {
    std::filesystem::rename(Entry(), Bed() / "unplugged");
    if (tell) Tell("remove");
  }
  static void Plug() {
    std::filesystem::create_symlink(read_symlink(Bed() / "unplugged"), Bed() / "plugged");
    std::filesystem::rename(Bed() / "plugged", Entry());
    std::filesystem::remove(Bed() / "unplugged");
    Tell("add");
  }
  static void Tell(const char* action) {
    SendTestBedUevent(action,
                      "/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/ttyUSB0/tty/ttyUSB0");
  }
};

TEST_F(RecordedPorts, WatcherTellsWhichPortsCameAndWent) {
  const std::vector<std::string> all = {"+/dev/rfcomm0", "+/dev/ttyACM0", "+/dev/ttyS0",
                                        "+/dev/ttyUSB0", "+/dev/ttyUSB1", "+/dev/ttyUSB2"};
  PortChangeLog log;
  TComPortWatcher watcher;
  EXPECT_EQ(watcher.Poll(log), 6);
  EXPECT_EQ(log.Taken(), all);
  EXPECT_EQ(watcher.Poll(log), 0);
  Adapter::Unplug();
  EXPECT_EQ(watcher.Poll(log), 1);
  Adapter::Plug();
  EXPECT_EQ(watcher.Poll(log), 1);
  // Gone and back between two looks: the same port.
  Adapter::Unplug();
  Adapter::Plug();
  EXPECT_EQ(watcher.Poll(log), 0);
  // Another adapter in the same USB port has another serial number.
  const auto usb =
      canonical(Adapter::Entry()).parent_path().parent_path().parent_path().parent_path();
  for (const char* serial : {"B7QX02LM\n", "A5XK3RJT\n"}) {
    Adapter::Unplug();
    std::ofstream(usb / "serial") << serial;
    Adapter::Plug();
    EXPECT_EQ(watcher.Poll(log), 2);
  }
  // Between the listing and the describing (the look's seam): a port that comes then is told by
  // the next look; one that goes then is not told, not even as come with another identity.
  Adapter::Unplug();
  corekit::platform::SetSerialPortLookHook([] { Adapter::Plug(); });
  EXPECT_EQ(watcher.Poll(log), 1);
  corekit::platform::SetSerialPortLookHook(nullptr);
  EXPECT_EQ(watcher.Poll(log), 1);
  Adapter::Unplug();
  EXPECT_EQ(watcher.Poll(log), 1);
  Adapter::Plug();
  corekit::platform::SetSerialPortLookHook([] { Adapter::Unplug(); });
  EXPECT_EQ(watcher.Poll(log), 0);
  corekit::platform::SetSerialPortLookHook(nullptr);
  EXPECT_EQ(watcher.Poll(log), 0);
  Adapter::Plug();
  EXPECT_EQ(watcher.Poll(log), 1);
  std::vector<std::string> replugged;
  for (int i = 0; i < 5; ++i) replugged.insert(replugged.end(), {"-/dev/ttyUSB0", "+/dev/ttyUSB0"});
  EXPECT_EQ(log.Taken(), replugged);
  // A look at which the system cannot list its ports is skipped, not told as every port gone.
  corekit::platform::SetSerialDeviceFolder("/no/such/folder");
  EXPECT_EQ(watcher.Poll(log), -1);
  corekit::platform::SetSerialDeviceFolder(nullptr);
  EXPECT_EQ(watcher.Poll(log), 0);
  EXPECT_EQ(watcher.FailedLooks(), 1u);

  // On a thread of its own, a new watcher starts from no ports and then looks only when udev
  // tells of a change. Meanwhile a Poll looks at nothing: the thread's target takes every change.
  TComPortWatcher watching;
  ASSERT_TRUE(watching.Start(log, 3600000));
  EXPECT_FALSE(watching.Start(log, 10));
  EXPECT_EQ(log.Taken(6), all);
  Adapter::Unplug(false);
  PortChangeLog other;
  EXPECT_EQ(watching.Poll(other), 0);
  Adapter::Tell("remove");
  EXPECT_EQ(log.Taken(1), std::vector<std::string>{"-/dev/ttyUSB0"});
  watching.Stop();
  EXPECT_FALSE(watching.Watching());
  Adapter::Plug();
  EXPECT_EQ(other.Taken(), std::vector<std::string>{});

  // An exception from OnPost leaves Poll; on the watcher's thread it ends that look only, and the
  // change comes again at the next.
  struct Throwing : PortChangeLog {
    void OnPost(const TComPortChange& change) override {
      if (throws-- > 0) throw std::runtime_error("refused");
      PortChangeLog::OnPost(change);
    }
    std::atomic<int> throws = 2;
  } throwing;
  TComPortWatcher refused;
  EXPECT_THROW(refused.Poll(throwing), std::runtime_error);
  ASSERT_TRUE(refused.Start(throwing, 10));
  EXPECT_EQ(throwing.Taken(6), all);

  // A target may stop the watching from OnPost: nothing more is told, a Start goes on with the
  // rest. It may even destroy the watcher there. A Start or a Poll from OnPost does nothing.
  struct Stopping : PortChangeLog {
    void OnPost(const TComPortChange& change) override {
      EXPECT_FALSE(watcher->Start(*this, 10));
      EXPECT_EQ(watcher->Poll(*this), 0);
      if (change.Port.Name == "/dev/rfcomm0") {
        watcher->Stop();
      } else {
        watcher.reset();
      }
      PortChangeLog::OnPost(change);
    }
    std::unique_ptr<TComPortWatcher> watcher = std::make_unique<TComPortWatcher>();
  } stopping;
  ASSERT_TRUE(stopping.watcher->Start(stopping, 10));
  EXPECT_EQ(stopping.Taken(1), std::vector<std::string>{"+/dev/rfcomm0"});
  ASSERT_TRUE(stopping.watcher->Start(stopping, 10));
  EXPECT_EQ(stopping.Taken(1), std::vector<std::string>{"+/dev/ttyACM0"});
}

}  // namespace
