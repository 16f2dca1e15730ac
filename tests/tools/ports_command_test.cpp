#include "tools/ports_command.h"

#include <gtest/gtest.h>

#include "tests/support/process_encoding.h"

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
            "\"1\", \"by_id\": \"\", \"by_path\": \"\", \"gnss\": true}\n]\n");
  EXPECT_EQ(FormatPorts({}, PortsFormat::Json), "[]\n");
  EXPECT_EQ(FormatPorts({}, PortsFormat::Lines), "no serial ports\n");
  port.VendorId = 0;
  port.ProductId = 0;
  port.Transport = TPortTransport::Native;
  EXPECT_EQ(FormatPorts({port}, PortsFormat::Lines), "COM3  Survey \"A\" \\ \x01  native\n");
}

// JSON is UTF-8 whatever the code page; the runs under code pages 1252 and 936 and under Linux's
// ISO-8859-1 and GBK locales hand the texts over in those.
TEST(PortsCommand, WritesJsonInUtf8) {
  const std::string utf8 = "R\303\251cepteur 5\302\260";  // characters of every one of them
  TComPortInfo port;
  port.Description = InProcessEncoding(utf8).c_str();
  // Bytes as no UTF-8 text holds them: 0xFF, and a lead byte without its continuation.
  port.Product = "\xFF \xC3(";
  const std::string json = FormatPorts({port}, PortsFormat::Json);
  EXPECT_NE(json.find("\"description\": \"" + utf8 + "\""), std::string::npos) << json;
  EXPECT_EQ(json.find('\xFF'), std::string::npos) << json;
  EXPECT_EQ(json.find("\xC3("), std::string::npos) << json;
}

// --probe: the rate and protocols found, or why none were; in JSON 0 and [] for none (what was
// found, the tool's test on the simulated receiver shows).
TEST(PortsCommand, AddsWhatTheProbeFound) {
  std::vector<TComPortInfo> ports(2);
  ports[0].Name = "COM3";
  ports[1].Name = "COM4";
  std::vector<TComPortProbeResult> probes(2);
  probes[0].Baud = 115200;
  probes[0].Protocols = GnssProtocolBit(TGnssProtocol::Ubx) | GnssProtocolBit(TGnssProtocol::Nmea);
  probes[1].Result = S_COMPORT_SILENT;
  EXPECT_EQ(FormatPorts(ports, PortsFormat::Lines, &probes),
            "COM3  115200 baud NMEA UBX\nCOM4  no receiver: nothing came from the port\n");
  const std::string json = FormatPorts(ports, PortsFormat::Json, &probes);
  EXPECT_NE(json.find("\"baud\": 0, \"protocols\": [], \"gnss\""), std::string::npos) << json;
}

}  // namespace
