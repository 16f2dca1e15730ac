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
    // Bridge chips, by the id lists of Linux's drivers (ftdi_sio, pl2303, cp210x, ch341, and
    // cdc_acm for WCH's newer chips).
    {0x0403, 0x6001, 0x6001, TUsbSerialKind::SerialBridge},  // FTDI FT232R and older
    {0x0403, 0x6006, 0x6006, TUsbSerialKind::SerialBridge},  // FTDI FT232R, alternate id
    {0x0403, 0x6010, 0x6011, TUsbSerialKind::SerialBridge},  // FTDI FT2232, FT4232
    {0x0403, 0x6014, 0x6015, TUsbSerialKind::SerialBridge},  // FTDI FT232H, FT-X (FT230X...)
    {0x0403, 0x6040, 0x6045, TUsbSerialKind::SerialBridge},  // FTDI FT2233HP to FT232HP
    {0x0403, 0x6048, 0x6048, TUsbSerialKind::SerialBridge},  // FTDI FT4232HA
    {0x067b, 0x2303, 0x2304, TUsbSerialKind::SerialBridge},  // Prolific PL2303, PL2303TB
    {0x067b, 0x23a3, 0x23a3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GC
    {0x067b, 0x23b3, 0x23b3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GB
    {0x067b, 0x23c3, 0x23c3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GT
    {0x067b, 0x23d3, 0x23d3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GL
    {0x067b, 0x23e3, 0x23e3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GE
    {0x067b, 0x23f3, 0x23f3, TUsbSerialKind::SerialBridge},  // Prolific PL2303GS
    {0x10c4, 0xea60, 0xea61, TUsbSerialKind::SerialBridge},  // Silicon Labs CP2102(N), CP2104
    {0x10c4, 0xea63, 0xea63, TUsbSerialKind::SerialBridge},  // Silicon Labs CP210x, update id
    {0x10c4, 0xea70, 0xea71, TUsbSerialKind::SerialBridge},  // Silicon Labs CP2105, CP2108
    {0x10c4, 0xea7a, 0xea7b, TUsbSerialKind::SerialBridge},  // CP2105, CP2108, update ids
    {0x1a86, 0x5523, 0x5523, TUsbSerialKind::SerialBridge},  // WCH CH341
    {0x1a86, 0x7522, 0x7523, TUsbSerialKind::SerialBridge},  // WCH CH340K, CH340
    {0x1a86, 0x55d3, 0x55d4, TUsbSerialKind::SerialBridge},  // WCH CH343, CH9102
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
