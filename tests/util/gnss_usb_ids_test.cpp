#include "corekit/util/gnss_usb_ids.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
  WORD vendorId, productId;
  TUsbSerialKind kind;
};

constexpr TUsbSerialKind Gnss = TUsbSerialKind::GnssReceiver, Bridge = TUsbSerialKind::SerialBridge,
                         Unknown = TUsbSerialKind::Unknown;

// From the vendors' published ids (usb.ids, gpsd's udev rules) and the id lists of Linux's
// drivers (ftdi_sio, pl2303, cp210x, ch341, cdc_acm), with ids beside them that are no bridge.
const KindCase KindCases[] = {
    {0x1546, 0x01a5, Gnss},    {0x1546, 0x01a9, Gnss},    {0x1546, 0x01a4, Unknown},
    {0x1546, 0x01aa, Unknown}, {0x091e, 0x0003, Gnss},    {0x067b, 0xaaa0, Gnss},
    {0x0403, 0x6001, Bridge},  {0x0403, 0x6006, Bridge},  {0x0403, 0x6010, Bridge},
    {0x0403, 0x6011, Bridge},  {0x0403, 0x6014, Bridge},  {0x0403, 0x6015, Bridge},
    {0x0403, 0x6040, Bridge},  {0x0403, 0x6045, Bridge},  {0x0403, 0x6048, Bridge},
    {0x0403, 0x6002, Unknown}, {0x0403, 0x6046, Unknown}, {0x067b, 0x2303, Bridge},
    {0x067b, 0x2304, Bridge},  {0x067b, 0x23a3, Bridge},  {0x067b, 0x23b3, Bridge},
    {0x067b, 0x23c3, Bridge},  {0x067b, 0x23d3, Bridge},  {0x067b, 0x23e3, Bridge},
    {0x067b, 0x23f3, Bridge},  {0x067b, 0x23c4, Unknown}, {0x067b, 0x23e4, Unknown},
    {0x10c4, 0xea60, Bridge},  {0x10c4, 0xea61, Bridge},  {0x10c4, 0xea63, Bridge},
    {0x10c4, 0xea70, Bridge},  {0x10c4, 0xea71, Bridge},  {0x10c4, 0xea7a, Bridge},
    {0x10c4, 0xea7b, Bridge},  {0x10c4, 0xea62, Unknown}, {0x1a86, 0x7523, Bridge},
    {0x1a86, 0x7522, Bridge},  {0x1a86, 0x5523, Bridge},  {0x1a86, 0x55d3, Bridge},
    {0x1a86, 0x55d4, Bridge},  {0x1a86, 0x55d5, Unknown}, {0x0000, 0x0000, Unknown},
};

TEST(GnssUsbIds, TellsReceiversFromBridgeChips) {
  for (const KindCase& row : KindCases) {
    EXPECT_EQ(UsbSerialKind(row.vendorId, row.productId), row.kind)
        << std::hex << row.vendorId << ":" << row.productId;
  }
}

}  // namespace
