#include "corekit/util/gnss_usb_ids.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
  WORD vendorId, productId;
  TUsbSerialKind kind;
};

// From the vendors' published ids (usb.ids, gpsd's udev rules); the ends of the u-blox range.
const KindCase KindCases[] = {
    {0x1546, 0x01a5, TUsbSerialKind::GnssReceiver}, {0x1546, 0x01a9, TUsbSerialKind::GnssReceiver},
    {0x1546, 0x01a4, TUsbSerialKind::Unknown},      {0x1546, 0x01aa, TUsbSerialKind::Unknown},
    {0x091e, 0x0003, TUsbSerialKind::GnssReceiver}, {0x067b, 0xaaa0, TUsbSerialKind::GnssReceiver},
    {0x067b, 0x2303, TUsbSerialKind::SerialBridge}, {0x0403, 0x6001, TUsbSerialKind::SerialBridge},
    {0x0403, 0x6015, TUsbSerialKind::SerialBridge}, {0x10c4, 0xea60, TUsbSerialKind::SerialBridge},
    {0x0000, 0x0000, TUsbSerialKind::Unknown},
};

TEST(GnssUsbIds, TellsReceiversFromBridgeChips) {
  for (const KindCase& row : KindCases) {
    EXPECT_EQ(UsbSerialKind(row.vendorId, row.productId), row.kind)
        << std::hex << row.vendorId << ":" << row.productId;
  }
}

}  // namespace
