#pragma once

#include <vector>

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/util/collection.h"
#include "corekit/util/com_port_info.h"

// Hands the details of every present serial port to the collection, each with the flag 1, and
// returns their number; the collection is not emptied first. The ports are those EnumComPorts
// lists, in the same order on Linux. On Windows the ports of the Ports and Modem device classes
// come first, then each name of the registry's serial map that they miss, with its name alone.
// It appends, as EnumComPorts does, so that several calls can gather into one collection.
COREKIT_API int EnumComPortDetails(kx_std::base_coll<TComPortInfo>& ports);

// The same ports as a new list: for (const TComPortInfo& port : ListComPortDetails()) ...
COREKIT_API std::vector<TComPortInfo> ListComPortDetails();

// The same for the ports on USB devices with that vendor and product id.
// FindComPortsByUsbId(0x1546, 0x01a9, ports) hands over the u-blox receivers' ports.
COREKIT_API int FindComPortsByUsbId(WORD vendorId, WORD productId,
                                    kx_std::base_coll<TComPortInfo>& ports);

// The same for the ports whose device has that serial number (compared exactly; empty finds none).
COREKIT_API int FindComPortsBySerialNumber(const KString& serialNumber,
                                           kx_std::base_coll<TComPortInfo>& ports);
