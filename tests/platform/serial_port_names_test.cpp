#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corekit/platform/serial_ports.h"
#include "tests/support/scratch_folder.h"

namespace {

// A port's name is read into 64 bytes with its NUL: /dev/ and 58 characters fit, one more ends the
// listing there.
TEST(SerialPortNames, ANameOf64BytesEndsTheListing) {
  const ScratchFolder sysfs;
  const std::string fits = "ttyA" + std::string(54, 'x');
  for (const std::string& name : {fits, "ttyB" + std::string(55, 'x'), std::string("ttyC")}) {
    std::filesystem::create_directories(sysfs.Entry(name + "/device"));
  }
  corekit::platform::SetSerialDeviceFolder(sysfs.Path().c_str());
  const std::vector<std::string> names = corekit::platform::SerialPortNames();
  corekit::platform::SetSerialDeviceFolder(nullptr);
  EXPECT_EQ(names, std::vector<std::string>{"/dev/" + fits});
}

}  // namespace
