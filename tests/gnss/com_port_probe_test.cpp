#include "corekit/gnss/com_port_probe.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/gnss/frame_writer.h"
#include "corekit/util/com_port_stream.h"
#include "tests/support/receiver_frames.h"
#include "tests/support/simulated_receiver.h"

namespace {

using corekit_test::ReceiverFrame;
using corekit_test::ReceiverFrames;

// Every test has a fresh device; under Wine the one served for the whole program, replugged.
class ProbeTest : public testing::Test {
protected:
  void SetUp() override {
    m_receiver = corekit_test::OpenSimulatedReceiver();
    if (!m_receiver)
      GTEST_SKIP() << "no simulated receiver (Windows: run through simulated_receiver)";
#if defined(_WIN32)
    ASSERT_TRUE(m_receiver->Replug());
#endif
    // Garbage is told from a receiver's output well before the default bound; the tests keep
    // the wrong rates short.
    m_options.GarbageBytes = 256;
  }

  KString Port() const { return m_receiver->PortName().c_str(); }

  std::unique_ptr<corekit_test::SimulatedReceiver> m_receiver;
  TComPortProbeOptions m_options;
};

// A receiver at 115200 among the usual rates: found at the second (the port is at 9600), with
// the protocols of its frames, and nothing written to it. The port stays at the rate found, its
// other settings as they were.
TEST_F(ProbeTest, FindsTheRateAndProtocolsOfAReceiver) {
  m_receiver->Speak(115200, corekit_test::ReceiverFrameBytes());
  TComPortStream port;
  TComPortSettings settings;
  settings.ReadTotalMs = 1234;
  ASSERT_EQ(port.Open(Port(), settings), 0);
  const TComPortProbeResult probe = ProbeComPort(port, m_options);
  EXPECT_EQ(port.Settings().Baud, 115200u);
  EXPECT_EQ(port.Settings().ReadTotalMs, 1234u);
  EXPECT_EQ(probe.Result, 0);
  EXPECT_EQ(probe.Baud, 115200u);
  EXPECT_EQ(probe.RatesTried, 2u);
  EXPECT_NE(probe.Protocol, TGnssProtocol::None);
  EXPECT_NE(probe.Protocols & GnssProtocolBit(probe.Protocol), 0u);
  EXPECT_GE(probe.Frames, 2u);
  EXPECT_EQ(m_receiver->Received(0), "");
}

// Rates in the list's order, the given one first, a rate only once; a receiver of one protocol.
TEST_F(ProbeTest, TriesTheGivenRateFirstThenTheList) {
  struct Case {
    DWORD speaks;
    DWORD first;
    std::vector<DWORD> rates;
    ULONG tried;
  };
  const Case cases[] = {
      {38400, 0, {}, 3},  // 9600 (as opened), 115200, 38400
      {921600, 921600, {}, 1},
      {57600, 9600, {9600, 57600, 9600}, 2},
      {230400, 19200, {19200, 230400}, 2},
  };
  const std::string ubx = ReceiverFrames()[3].bytes;
  for (const Case& row : cases) {
    SCOPED_TRACE(row.speaks);
    m_receiver->Speak(row.speaks, ubx);
    m_options.Baud = row.first;
    m_options.Rates = row.rates.empty() ? nullptr : row.rates.data();
    m_options.RateCount = static_cast<int>(row.rates.size());
    const TComPortProbeResult probe = ProbeComPort(Port(), m_options);
    EXPECT_EQ(probe.Result, 0);
    EXPECT_EQ(probe.Baud, row.speaks);
    EXPECT_EQ(probe.RatesTried, row.tried);
    EXPECT_EQ(probe.Protocol, TGnssProtocol::Ubx);
    EXPECT_EQ(probe.Protocols, GnssProtocolBit(TGnssProtocol::Ubx));
  }
}

// Nothing found: a silent port, garbage at every rate tried, a port that does not exist, a probe
// cancelled before it reads.
TEST_F(ProbeTest, SaysWhyNothingWasFound) {
  m_options.SilenceMs = 300;
  TComPortProbeResult probe = ProbeComPort(Port(), m_options);
  EXPECT_EQ(probe.Result, S_COMPORT_SILENT);
  EXPECT_EQ(probe.Bytes, 0u);

  m_receiver->Speak(250000, corekit_test::ReceiverFrameBytes());
  const DWORD rates[] = {9600, 19200};
  m_options.Rates = rates;
  m_options.RateCount = 2;
  m_options.SilenceMs = 5000;
  probe = ProbeComPort(Port(), m_options);
  EXPECT_EQ(probe.Result, S_COMPORT_NOFRAMES);
  EXPECT_EQ(probe.RatesTried, 2u);
  EXPECT_GT(probe.Bytes, 0u);

#if defined(_WIN32)
  EXPECT_EQ(ProbeComPort("COM99", m_options).Result, E_COMPORT_NOTFOUND);
#else
  EXPECT_EQ(ProbeComPort("/dev/no-such-port", m_options).Result, E_COMPORT_NOTFOUND);
#endif

  TComPortStream port;
  ASSERT_EQ(port.Open(Port(), {}), 0);
  port.Cancel();
  EXPECT_EQ(ProbeComPort(port, m_options).Result, E_COMPORT_CANCELLED);
}

// Polls when asked; a device unplugged during the probe ends it with the port's code. The silent
// receiver goes once it has read the first rate's polls, long before any bound of the probe.
TEST_F(ProbeTest, PollsWhenAskedAndEndsWhenUnplugged) {
  const std::string polls =
      corekit::internal::NmeaSentence("EIGPQ,RMC") + corekit::internal::UbxFrame(0x0A, 0x04, "");
  m_receiver->UnplugAfterReading(polls.size());
  m_options.Polls = GnssProtocolBit(TGnssProtocol::Nmea) | GnssProtocolBit(TGnssProtocol::Ubx);
  m_options.SilenceMs = 60000;
  m_options.RateMs = 60000;
  const TComPortProbeResult probe = ProbeComPort(Port(), m_options);
  EXPECT_EQ(probe.Result, E_COMPORT_GONE);
  EXPECT_EQ(probe.RatesTried, 1u);
  EXPECT_EQ(m_receiver->Received(polls.size()), polls);
}

}  // namespace
