#include "corekit/platform/serial_ports.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <mutex>

namespace corekit::platform {
namespace {

constexpr std::size_t EntryBufferSize = 64;

struct DeviceFolder {
  std::mutex lock;
  std::string path = "/sys/class/tty";
};

DeviceFolder& Folder() {
  static DeviceFolder folder;
  return folder;
}

bool Exists(const std::string& path) {
  struct stat status {};
  return lstat(path.c_str(), &status) == 0;
}

// Names in the order people number ports: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) &&
        std::isdigit(static_cast<unsigned char>(b[j]))) {
      std::size_t endA = i, endB = j;
      while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA]))) ++endA;
      while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB]))) ++endB;
      const std::string numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
      if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
      if (numberA != numberB) return numberA < numberB;
      i = endA;
      j = endB;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

// A legacy port that the serial core knows but no hardware answers: its port type is 0.
bool WithoutHardware(const std::string& device) {
  std::ifstream type(device + "/type");
  int value = -1;
  return type >> value && value == 0;
}

}  // namespace

std::vector<std::string> SerialPortNames() {
  std::string folder;
  {
    const std::lock_guard<std::mutex> guard(Folder().lock);
    folder = Folder().path;
  }
  std::vector<std::string> entries;
  if (DIR* directory = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(directory)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") entries.push_back(name);
    }
    closedir(directory);
  }
  std::sort(entries.begin(), entries.end(), NaturalLess);
  std::vector<std::string> names;
  for (const std::string& name : entries) {
    const std::string device = folder + "/" + name;
    // Virtual terminals have no device; a Bluetooth link's rfcomm port has none either but is a port.
    const bool bluetooth = name.rfind("rfcomm", 0) == 0;
    if ((!bluetooth && !Exists(device + "/device")) || WithoutHardware(device)) continue;
    const std::string port = "/dev/" + name;
    if (port.size() >= EntryBufferSize) break;  // does not fit: the listing ends here
    names.push_back(port);
  }
  return names;
}

void SetSerialDeviceFolder(const char* folder) {
  const std::lock_guard<std::mutex> guard(Folder().lock);
  Folder().path = folder != nullptr ? folder : "/sys/class/tty";
}

}  // namespace corekit::platform
