#include "corekit/platform/serial_ports.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
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

// An entry of the tty folder as one line: its name, inode number and link target.
std::string EntryText(const char* name, ino_t inode, const char* target, ssize_t length) {
  return std::string(name) + ' ' + std::to_string(inode) + ' ' +
         std::string(target, length > 0 ? static_cast<std::size_t>(length) : 0) + '\n';
}

std::string CurrentFolder() {
  const std::lock_guard<std::mutex> guard(Folder().lock);
  return Folder().path;
}

}  // namespace

bool ListSerialPortNames(std::vector<std::string>& names) {
  const std::string folder = CurrentFolder();
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) return false;
  std::vector<std::string> entries;
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") entries.push_back(name);
  }
  closedir(directory);
  std::sort(entries.begin(), entries.end(), NaturalLess);
  for (const std::string& name : entries) {
    const std::string device = folder + "/" + name;
    // Virtual terminals have no device; a Bluetooth link's rfcomm port has none but is a port.
    const bool bluetooth = name.rfind("rfcomm", 0) == 0;
    if ((!bluetooth && !Exists(device + "/device")) || WithoutHardware(device)) continue;
    const std::string port = "/dev/" + name;
    if (port.size() >= EntryBufferSize) break;  // does not fit: the listing ends here
    names.push_back(port);
  }
  return true;
}

std::vector<std::string> SerialPortNames() {
  std::vector<std::string> names;
  ListSerialPortNames(names);
  return names;
}

std::string SerialPortListSignature() {
  DIR* directory = opendir(CurrentFolder().c_str());
  if (directory == nullptr) return "";
  std::string signature;
  while (const dirent* entry = readdir(directory)) {
    char target[PATH_MAX];
    signature += EntryText(entry->d_name, entry->d_ino, target,
                           readlinkat(dirfd(directory), entry->d_name, target, sizeof target));
  }
  closedir(directory);
  return signature;
}

std::string SerialPortEntry(const std::string& port) {
  const std::string name = port.substr(port.rfind('/') + 1);
  const std::string entry = CurrentFolder() + "/" + name;
  struct stat status {};
  char target[PATH_MAX];
  if (lstat(entry.c_str(), &status) != 0) return "";
  return EntryText(name.c_str(), status.st_ino, target,
                   readlink(entry.c_str(), target, sizeof target));
}

void SetSerialDeviceFolder(const char* folder) {
  const std::lock_guard<std::mutex> guard(Folder().lock);
  Folder().path = folder != nullptr ? folder : "/sys/class/tty";
}

}  // namespace corekit::platform
