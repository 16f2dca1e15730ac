#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>

#include "corekit/util/com_port_stream.h"
#include "tests/support/receiver_frames.h"
#include "tests/support/simulated_receiver.h"
#include "tools/listen_command.h"

namespace {

using corekit_test::ReceiverFrame;
using corekit_test::ReceiverFrames;

std::string JsonLine(const char* protocol, const std::string& type, std::size_t length,
                     bool valid) {
  return "{\"protocol\": \"" + std::string(protocol) + "\", \"type\": \"" + type +
         "\", \"length\": " + std::to_string(length) +
         ", \"valid\": " + (valid ? "true" : "false") + "}\n";
}

// listen: every frame as a line in the order sent, bad ones too, and the counts of the summary.
TEST(Listen, ShowsEachFrameAndCountsThem) {
  auto receiver = corekit_test::OpenSimulatedReceiver();
  if (!receiver) GTEST_SKIP() << "no simulated receiver (Windows: run through simulated_receiver)";
#if defined(_WIN32)
  ASSERT_TRUE(receiver->Replug());
#endif
  std::string broken = ReceiverFrames()[0].bytes;
  broken[broken.size() - 3] ^= 1;
  TComPortStream port;
  TComPortSettings settings;
  settings.Baud = 115200;
  ASSERT_EQ(port.Open(receiver->PortName().c_str(), settings), 0);
  const std::string sent = corekit_test::ReceiverFrameBytes();
  receiver->Send(sent + "garbage" + broken + sent);

  std::ostringstream out;
  std::atomic<bool> stop{false};
  corekit::tool::ListenCounts counts;
  EXPECT_EQ(corekit::tool::ListenToPort(port, 0.5, true, out, stop, counts), 0);
  std::string expected;
  for (const ReceiverFrame& frame : ReceiverFrames())
    expected += JsonLine(GnssProtocolName(frame.protocol), frame.type, frame.bytes.size(), true);
  EXPECT_EQ(out.str(), expected + JsonLine("NMEA", "GGA", broken.size(), false) + expected);
  EXPECT_EQ(counts.invalid, 1u);
  EXPECT_EQ(counts.skipped, 7u);
  EXPECT_EQ(counts.baud, 115200u);
  EXPECT_EQ(counts.valid.size(), ReceiverFrames().size());
  for (const ReceiverFrame& frame : ReceiverFrames())
    EXPECT_EQ((counts.valid[{GnssProtocolName(frame.protocol), frame.type}]), 2u) << frame.type;
  // The port gone ends the listening with its code.
  receiver->Unplug();
  EXPECT_EQ(corekit::tool::ListenToPort(port, 0, false, out, stop, counts), E_COMPORT_GONE);
}

}  // namespace
