#include "corekit/util/com_ports.h"

#include "corekit/platform/serial_ports.h"

int EnumComPorts(kx_std::base_coll<kx_std::s_d<KString, KString>>& ports) {
  int count = 0;
  for (const std::string& name : corekit::platform::SerialPortNames()) {
    ports.Insert(kx_std::s_d<KString, KString>(KString(name.c_str())), 1);
    ++count;
  }
  return count;
}
