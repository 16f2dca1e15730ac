#pragma once

#include "corekit/platform/serial_port_details.h"
#include "corekit/util/com_port_info.h"

// A port's details as the system told them, in the form that EnumComPortDetails hands over.
TComPortInfo ComPortInfo(const corekit::platform::SerialPortRecord& record);
