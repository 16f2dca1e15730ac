#include "corekit/util/com_port_details.h"

#include <functional>
#include <utility>

#include "corekit/util/com_port_record.h"

using corekit::platform::SerialPortRecord;

TComPortInfo ComPortInfo(const SerialPortRecord& record) {
  TComPortInfo info;
  info.Name = record.name.c_str();
  info.Path = record.path.c_str();
  info.Description = record.description.c_str();
  info.Transport = record.transport;
  info.VendorId = record.vendorId;
  info.ProductId = record.productId;
  info.SerialNumber = record.serialNumber.c_str();
  info.Manufacturer = record.manufacturer.c_str();
  info.Product = record.product.c_str();
  info.Location = record.location.c_str();
  info.Interface = record.interface;
  info.Driver = record.driver.c_str();
  info.ById = record.byId.c_str();
  info.ByPath = record.byPath.c_str();
  return info;
}

namespace {

// Hands each port that passes the test to the collection and counts them.
int HandOver(kx_std::base_coll<TComPortInfo>& ports,
             const std::function<bool(const SerialPortRecord&)>& wanted) {
  int count = 0;
  for (const SerialPortRecord& record : corekit::platform::SerialPortDetails()) {
    if (!wanted(record)) continue;
    ports.Insert(ComPortInfo(record), 1);
    ++count;
  }
  return count;
}

}  // namespace

int EnumComPortDetails(kx_std::base_coll<TComPortInfo>& ports) {
  return HandOver(ports, [](const SerialPortRecord&) { return true; });
}

std::vector<TComPortInfo> ListComPortDetails() {
  kx_std::vector_coll<TComPortInfo> ports;
  EnumComPortDetails(ports);
  return std::move(ports.items);
}

int FindComPortsByUsbId(WORD vendorId, WORD productId, kx_std::base_coll<TComPortInfo>& ports) {
  return HandOver(ports, [&](const SerialPortRecord& record) {
    return record.transport == TPortTransport::Usb && record.vendorId == vendorId &&
           record.productId == productId;
  });
}

int FindComPortsBySerialNumber(const KString& serialNumber,
                               kx_std::base_coll<TComPortInfo>& ports) {
  const std::string wanted = serialNumber.GetString();
  return HandOver(ports, [&](const SerialPortRecord& record) {
    return !wanted.empty() && record.serialNumber == wanted;
  });
}
