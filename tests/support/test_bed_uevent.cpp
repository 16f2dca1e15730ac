#include "tests/support/test_bed_uevent.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// MurmurHash2 of a text: libudev's socket filter picks its subsystems by it.
std::uint32_t Murmur2(const std::string& text) {
  const std::uint32_t m = 0x5bd1e995;
  std::uint32_t h = static_cast<std::uint32_t>(text.size());
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    std::uint32_t k = 0;
    std::memcpy(&k, text.data() + i, 4);
    k *= m;
    k ^= k >> 24;
    k *= m;
    h = (h * m) ^ k;
  }
  for (std::size_t rest = text.size() - i; rest > 0; --rest)
    h ^= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + rest - 1]))
         << (8 * (rest - 1));
  if (i < text.size()) h *= m;
  h ^= h >> 13;
  h *= m;
  return h ^ (h >> 15);
}

// What libudev puts before a message's properties; the numbers in network order.
struct MessageHeader {
  char prefix[8] = "libudev";
  std::uint32_t magic = htonl(0xfeedcafe);
  std::uint32_t headerSize = sizeof(MessageHeader);
  std::uint32_t propertiesOffset = sizeof(MessageHeader);
  std::uint32_t propertiesLength = 0;
  std::uint32_t subsystemHash = htonl(Murmur2("tty"));
  std::uint32_t devtypeHash = 0, tagBloomHigh = 0, tagBloomLow = 0;
};

}  // namespace

void SendTestBedUevent(const char* action, const char* devpath) {
  std::string properties;
  for (const std::string& property :
       {std::string("ACTION=") + action, std::string("DEVPATH=") + devpath,
        std::string("SUBSYSTEM=tty"), std::string("SEQNUM=1")})
    properties += property + '\0';
  MessageHeader header;
  header.propertiesLength = static_cast<std::uint32_t>(properties.size());
  iovec parts[2] = {{&header, sizeof header}, {properties.data(), properties.size()}};
  // One socket for the process, never closed: a number that a watcher's thread may take next
  // for a folder would make ThreadSanitizer, which umockdev's wrappers hide some of the
  // descriptor calls from, see the two uses as a race.
  static const int socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  // The test bed makes a socket "event<n>" for each monitor; a closed monitor's refuses.
  for (const auto& entry : std::filesystem::directory_iterator(std::getenv("UMOCKDEV_DIR"))) {
    if (entry.path().filename().string().rfind("event", 0) != 0) continue;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, entry.path().c_str(), sizeof address.sun_path - 1);
    msghdr message{};
    message.msg_name = &address;
    message.msg_namelen = sizeof address;
    message.msg_iov = parts;
    message.msg_iovlen = 2;
    sendmsg(socket, &message, 0);
  }
}
