#include "corekit/util/gnss_usb_ids.h"

namespace {

struct UsbIdRange {
  WORD vendorId;
  WORD firstProduct;
  WORD lastProduct;
  TUsbSerialKind kind;
};

// Ids whose vendor uses them for GNSS receivers only, and the common bridge chips. A receiver
// behind a bridge chip (many survey instruments) shows only the chip's id.
constexpr UsbIdRange KnownIds[] = {
    {0x1546, 0x01a5, 0x01a9, TUsbSerialKind::GnssReceiver},  // u-blox 5, 6, 7, 8 and 9 receivers
    {0x091e, 0x0003, 0x0003, TUsbSerialKind::GnssReceiver},  // Garmin GPS receivers
    {0x152a, 0x85c0, 0x85c0, TUsbSerialKind::GnssReceiver},  // Septentrio receivers
    {0x09d7, 0x0100, 0x0100, TUsbSerialKind::GnssReceiver},  // NovAtel receivers
    {0x067b, 0xaaa0, 0xaaa0, TUsbSerialKind::GnssReceiver},  // Prolific id of SiRF GPS mice
    {0x1163, 0x0100, 0x0100, TUsbSerialKind::GnssReceiver},  // DeLorme Earthmate
    {0x1163, 0x0200, 0x0200, TUsbSerialKind::GnssReceiver},  // DeLorme Earthmate LT-20
    {0x0e8d, 0x3329, 0x3329, TUsbSerialKind::GnssReceiver},  // MediaTek GPS chip sets
    {0x0403, 0x6001, 0x6001, TUsbSerialKind::SerialBridge},  // FTDI FT232R and older
    {0x0403, 0x6010, 0x6011, TUsbSerialKind::SerialBridge},  // FTDI FT2232, FT4232
    {0x0403, 0x6014, 0x6015, TUsbSerialKind::SerialBridge},  // FTDI FT232H, FT-X
    {0x067b, 0x2303, 0x2303, TUsbSerialKind::SerialBridge},  // Prolific PL2303
    {0x067b, 0x23a3, 0x23a3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GC
    {0x067b, 0x23c3, 0x23d3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GT to GE
    {0x10c4, 0xea60, 0xea60, TUsbSerialKind::SerialBridge},  // Silicon Labs CP210x
    {0x10c4, 0xea70, 0xea71, TUsbSerialKind::SerialBridge},  // Silicon Labs CP2105, CP2108
    {0x1a86, 0x7523, 0x7523, TUsbSerialKind::SerialBridge},  // WCH CH340
    {0x1a86, 0x55d4, 0x55d4, TUsbSerialKind::SerialBridge},  // WCH CH9102
};

}  // namespace

TUsbSerialKind UsbSerialKind(WORD vendorId, WORD productId) {
  for (const UsbIdRange& range : KnownIds) {
    if (range.vendorId == vendorId && productId >= range.firstProduct &&
        productId <= range.lastProduct)
      return range.kind;
  }
  return TUsbSerialKind::Unknown;
}
