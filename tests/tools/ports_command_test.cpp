#include "tools/ports_command.h"

#include <gtest/gtest.h>

namespace {

using corekit::tool::FormatPorts;
using corekit::tool::PortsFormat;

TEST(PortsCommand, WritesJsonWithEscapesAndEmptyFields) {
  TComPortInfo port;
  port.Name = "COM3";
  port.Description = "Survey \"A\" \\ \x01";
  port.Transport = TPortTransport::Usb;
  port.VendorId = 0x091e;
  port.ProductId = 0x0003;
  port.Interface = 1;
  EXPECT_EQ(FormatPorts({port}, PortsFormat::Json),
            "[\n  {\"name\": \"COM3\", \"path\": \"\", \"description\": \"Survey \\\"A\\\" \\\\ "
            "\\u0001\", \"transport\": \"USB\", \"vid\": \"091e\", \"pid\": \"0003\", \"serial\": "
            "\"\", \"manufacturer\": \"\", \"product\": \"\", \"location\": \"\", \"interface\": "
            "\"1\", \"by_id\": \"\", \"gnss\": true}\n]\n");
  EXPECT_EQ(FormatPorts({}, PortsFormat::Json), "[]\n");
  EXPECT_EQ(FormatPorts({}, PortsFormat::Lines), "no serial ports\n");
  port.VendorId = 0;
  port.ProductId = 0;
  port.Transport = TPortTransport::Native;
  EXPECT_EQ(FormatPorts({port}, PortsFormat::Lines), "COM3  Survey \"A\" \\ \x01  native\n");
}

}  // namespace
