// The serial ports' cases run in umockdev's test bed with 200 recorded USB serial adapters: the
// program writes the recording beside itself and starts itself anew inside the test bed. Without
// umockdev-run they measure the machine's own ports.

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_setup.h"

namespace {

// One FTDI adapter on its own USB port: the device, its interface, the USB serial port and its
// tty, as umockdev-record writes them.
void WriteAdapter(std::ofstream& out, int index) {
  const std::string usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(index + 1);
  const std::string interface = usb + "/1-" + std::to_string(index + 1) + ":1.0";
  const std::string tty = "ttyUSB" + std::to_string(index);
  out << "P: " << usb << "\nE: DEVTYPE=usb_device\nE: DRIVER=usb\nE: SUBSYSTEM=usb\n"
      << "E: ID_VENDOR_FROM_DATABASE=Future Technology Devices International, Ltd\n"
      << "A: busnum=1\nA: devpath=" << index + 1 << "\nA: idProduct=6001\nA: idVendor=0403\n"
      << "A: manufacturer=FTDI\nA: product=FT232R USB UART\nA: serial=BENCH" << index << "\n"
      << "L: driver=../../../../bus/usb/drivers/usb\n\n"
      << "P: " << interface << "\nE: DEVTYPE=usb_interface\nE: DRIVER=ftdi_sio\nE: SUBSYSTEM=usb\n"
      << "A: bInterfaceNumber=00\nL: driver=../../../../../bus/usb/drivers/ftdi_sio\n\n"
      << "P: " << interface << "/" << tty << "\nE: DRIVER=ftdi_sio\nE: SUBSYSTEM=usb-serial\n"
      << "L: driver=../../../../../../bus/usb-serial/drivers/ftdi_sio\n\n"
      << "P: " << interface << "/" << tty << "/tty/" << tty << "\nN: " << tty
      << "\nE: DEVNAME=/dev/" << tty << "\nE: MAJOR=188\nE: MINOR=" << index
      << "\nE: SUBSYSTEM=tty\nA: dev=188:" << index << "\nL: device=../../../" << tty << "\n\n";
}

}  // namespace

void SetUpBenchmarks(int argc, char** argv) {
  if (std::getenv("UMOCKDEV_DIR") != nullptr) return;
  char program[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
  if (length <= 0) return;
  program[length] = '\0';
  const std::string recording = std::string(program) + ".umockdev";
  {
    std::ofstream out(recording);
    for (int index = 0; index < 200; ++index) WriteAdapter(out, index);
  }
  std::vector<char*> arguments = {const_cast<char*>("umockdev-run"), const_cast<char*>("-d"),
                                  const_cast<char*>(recording.c_str()), const_cast<char*>("--"),
                                  program};
  for (int i = 1; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  execvp(arguments[0], arguments.data());
  std::fprintf(stderr,
               "umockdev-run cannot be started: the ports cases see this machine's ports\n");
}
