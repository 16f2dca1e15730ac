#include "corekit/util/com_ports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "corekit/platform/serial_ports.h"
#include "corekit/util/com_port_details.h"

#if defined(_WIN32)
#include "corekit/platform/serial_port_details.h"
#include "corekit/platform/types.h"
#include "tests/support/port_change_log.h"
#else
#include <filesystem>
#include <fstream>

#include "tests/support/scratch_folder.h"
#endif

namespace {

using Element = kx_std::s_d<KString, KString>;

// A collection that records every insertion with its flag.
class RecordingCollection : public kx_std::base_coll<Element> {
public:
  int Count() const override { return static_cast<int>(inserted.size()); }
  void Clear() override { inserted.clear(); }
  void Insert(Element element, int flag) override {
    inserted.push_back(std::string(element.key) + "/" + std::to_string(flag));
  }
  std::vector<std::string> inserted;
};

using Names = std::vector<std::string>;

#if defined(_WIN32)
// The registry's map of serial devices, replaced for a test and restored afterwards.
class SerialRegistry {
public:
  SerialRegistry() {
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                    nullptr);
    m_saved = Values();
    Clear();
  }
  ~SerialRegistry() {
    Clear();
    for (const auto& [name, data] : m_saved) Set(name, data);
    RegCloseKey(m_key);
  }
  void Set(const std::string& name, const std::string& data) {
    RegSetValueExA(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
  void Remove(const std::string& name) { RegDeleteValueA(m_key, name.c_str()); }

private:
  static constexpr const char* Key = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
  std::vector<std::pair<std::string, std::string>> Values() const {
    std::vector<std::pair<std::string, std::string>> values;
    char name[256], data[256];
    for (DWORD nameSize = sizeof name, dataSize = sizeof data;
         RegEnumValueA(m_key, DWORD(values.size()), name, &nameSize, nullptr, nullptr,
                       reinterpret_cast<BYTE*>(data), &dataSize) == ERROR_SUCCESS;
         nameSize = sizeof name, dataSize = sizeof data) {
      values.emplace_back(name, data);
    }
    return values;
  }
  void Clear() {
    for (const auto& [name, data] : Values()) Remove(name);
  }
  HKEY m_key = nullptr;
  std::vector<std::pair<std::string, std::string>> m_saved;
};

TEST(ComPorts, ListsTheRegistrysPortsUntilOneDoesNotFit) {
  SerialRegistry registry;
  RecordingCollection ports;
  EXPECT_EQ(EnumComPorts(ports), 0);
  registry.Set("\\Device\\Serial0", "COM1");
  registry.Set("\\Device\\Serial1", "COM3");
  registry.Set("\\Device\\VCP0", "COM3");  // the same name twice is listed twice
  ports.inserted = {"kept/7"};
  EXPECT_EQ(EnumComPorts(ports), 3);
  EXPECT_EQ(ports.inserted, (Names{"kept/7", "COM1/1", "COM3/1", "COM3/1"}));
  // Names chosen so that the order of creation and the order by name agree.
  registry.Set("\\Device\\Serial9", "COM9");
  registry.Set("\\Device\\ZLong", std::string(70, 'L'));
  registry.Set("\\Device\\ZZAfter", "COM12");
  ports.inserted.clear();
  EXPECT_EQ(EnumComPorts(ports), 4);
  std::sort(ports.inserted.begin(), ports.inserted.end());
  EXPECT_EQ(ports.inserted, (Names{"COM1/1", "COM3/1", "COM3/1", "COM9/1"}));
}

// Ports that only the registry names (Wine has no port devices) still come with their names.
TEST(ComPorts, DetailsListTheRegistrysPortsToo) {
  SerialRegistry registry;
  registry.Set("\\Device\\Serial0", "COM1");
  registry.Set("\\Device\\VCP0", "COM4");
  RecordingCollection names;
  EnumComPorts(names);
  kx_std::vector_coll<TComPortInfo> details;
  EXPECT_EQ(EnumComPortDetails(details), 2);
  Names detailed;
  for (const TComPortInfo& port : details.items) detailed.push_back(std::string(port.Name) + "/1");
  std::sort(names.inserted.begin(), names.inserted.end());
  std::sort(detailed.begin(), detailed.end());
  EXPECT_EQ(detailed, names.inserted);
}

// The ports come and go with the registry's map, told by a poll or by the watcher's own thread,
// which the map's changes wake.
TEST(ComPorts, WatcherTellsThePortsThatComeAndGo) {
  SerialRegistry registry;
  registry.Set("\\Device\\Serial0", "COM1");
  PortChangeLog log;
  TComPortWatcher watcher;
  EXPECT_EQ(watcher.Poll(log), 1);
  registry.Set("\\Device\\VCP0", "COM4");
  registry.Remove("\\Device\\Serial0");
  EXPECT_EQ(watcher.Poll(log), 2);
  // A name that comes between the listing and the describing is told by the next look: its
  // device may have been listed half.
  static SerialRegistry* changed = &registry;
  registry.Remove("\\Device\\VCP0");
  corekit::platform::SetSerialPortLookHook([] { changed->Set("\\Device\\VCP0", "COM4"); });
  EXPECT_EQ(watcher.Poll(log), 1);
  corekit::platform::SetSerialPortLookHook(nullptr);
  EXPECT_EQ(watcher.Poll(log), 1);
  EXPECT_EQ(log.Taken(), (Names{"+COM1", "-COM1", "+COM4", "-COM4", "+COM4"}));
  ASSERT_TRUE(watcher.Start(log, 3600000));
  registry.Set("\\Device\\Serial0", "COM1");
  EXPECT_EQ(log.Taken(1), Names{"+COM1"});
  watcher.Stop();
  EXPECT_FALSE(watcher.Watching());
}
#else
// A sysfs tty folder of a test's own.
class TtyFolder {
public:
  TtyFolder() { corekit::platform::SetSerialDeviceFolder(m_folder.Path().c_str()); }
  ~TtyFolder() { corekit::platform::SetSerialDeviceFolder(nullptr); }
  // A tty; with hardware false it is a legacy port without hardware, without device a virtual one.
  void Add(const std::string& name, bool device = true, const char* type = nullptr) {
    const std::filesystem::path tty = std::filesystem::path(m_folder.Path()) / name;
    std::filesystem::create_directories(tty);
    if (device) std::filesystem::create_directories(tty / "device");
    if (type) std::ofstream(tty / "type") << type << "\n";
  }

private:
  ScratchFolder m_folder;
};

TEST(ComPorts, ListsTtyDevicesWithHardwareInNumberOrder) {
  TtyFolder sysfs;
  RecordingCollection ports;
  EXPECT_EQ(EnumComPorts(ports), 0);
  sysfs.Add("ttyS0", true, "0");  // a legacy port without hardware
  sysfs.Add("ttyS10", true, "4");
  sysfs.Add("ttyS2", true, "4");
  sysfs.Add("ttyUSB0");
  sysfs.Add("tty0", false);  // a virtual terminal
  sysfs.Add("console", false);
  ports.inserted = {"kept/7"};
  EXPECT_EQ(EnumComPorts(ports), 3);
  EXPECT_EQ(ports.inserted, (Names{"kept/7", "/dev/ttyS2/1", "/dev/ttyS10/1", "/dev/ttyUSB0/1"}));
  // A name is read into 64 bytes with its NUL: /dev/ and 58 characters fit, one more ends the
  // listing there.
  const std::string fits = "ttyS3" + std::string(53, 'x');
  sysfs.Add(fits);
  sysfs.Add("ttyS5" + std::string(54, 'x'));
  ports.inserted.clear();
  EXPECT_EQ(EnumComPorts(ports), 2);
  EXPECT_EQ(ports.inserted, (Names{"/dev/ttyS2/1", "/dev/" + fits + "/1"}));
  corekit::platform::SetSerialDeviceFolder("/no/such/sysfs/folder");
  EXPECT_EQ(EnumComPorts(ports), 0);
}
#endif

}  // namespace
