#include "corekit/util/com_port_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>

#include "corekit/errors/error_reporter.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/simulated_receiver.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

using corekit_test::LineState;
using P = TComParity;
using S = TComStopBits;
using F = TComFlowControl;

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

TComPortSettings Timeouts(DWORD totalMs, DWORD gapMs = 0, bool whatIsThere = false) {
  TComPortSettings settings;
  settings.ReadTotalMs = totalMs;
  settings.ReadGapMs = gapMs;
  settings.ReadWhatIsThere = whatIsThere;
  return settings;
}

// The settings that the driver keeps, and the timeouts.
auto Kept(const TComPortSettings& s) {
  return std::tuple(s.Baud, s.DataBits, s.Parity, s.StopBits, s.Flow, s.ReadTotalMs);
}

// Every test has a fresh device; under Wine the one served for the whole program, replugged.
class ComPortStreamTest : public testing::Test {
protected:
  void SetUp() override {
    m_receiver = corekit_test::OpenSimulatedReceiver();
    if (!m_receiver) GTEST_SKIP() << "no simulated receiver (Windows: run in simulated_receiver)";
#if defined(_WIN32)
    ASSERT_TRUE(m_receiver->Replug());
#endif
  }

  void Open(const TComPortSettings& settings = {}) {
    ASSERT_EQ(m_port.Open(m_receiver->PortName().c_str(), settings), 0);
  }

  // Waits until the port has received count bytes (BytesWaiting), within a bound.
  void AwaitWaiting(DWORD count) {
    DWORD waiting = 0;
    for (int i = 0; i < 10000 && waiting < count; ++i) {
      ASSERT_EQ(m_port.BytesWaiting(waiting), 0);
      if (waiting < count) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(waiting, count);
  }

  // The bytes of one Read of count, which must end with result.
  std::string ReadSome(LONG count, LONG result) {
    std::string data(static_cast<size_t>(count), '\0');
    LONG done = -1;
    EXPECT_EQ(m_port.Read(reinterpret_cast<unsigned char*>(data.data()), count, &done), result);
    data.resize(static_cast<size_t>(done));
    return data;
  }

  std::unique_ptr<corekit_test::SimulatedReceiver> m_receiver;
  TComPortStream m_port;
};

// A pseudo-terminal keeps any speed, stop bits and flow control, but always 8 data bits without
// parity: other settings are refused there, as a driver refuses what it cannot do. Some no driver
// takes. A refused setting leaves the port, and the line, as they were.
TEST_F(ComPortStreamTest, SettingsReachTheLineOrAreRefused) {
  const LineState before{19200, 8, 'N', 1, false, false};
  const struct {
    TComPortSettings settings;
    LineState line;
  } cases[] = {
    {{9600, 8, P::None, S::One, F::None}, {9600, 8, 'N', 1, false, false}},
    {{115200, 8, P::None, S::Two, F::RtsCts}, {115200, 8, 'N', 2, true, false}},
    {{57600, 8, P::None, S::One, F::XonXoff}, {57600, 8, 'N', 1, false, true}},
#if !defined(_WIN32)
    {{250000, 8, P::None, S::One, F::None}, {250000, 8, 'N', 1, false, false}},  // any speed
#endif
    {{115200, 7, P::Even, S::One, F::None}, before},  // refused by the pseudo-terminal
    {{4800, 5, P::Odd, S::OneAndHalf, F::None}, before},
    {{57600, 6, P::Mark, S::One, F::None}, before},
    {{38400, 8, P::Space, S::One, F::None}, before},
    {{9600, 9, P::None, S::One, F::None}, before},  // refused by every driver
    {{0, 8, P::None, S::One, F::None}, before},
    {{9600, 8, P::None, S::OneAndHalf, F::None}, before},
    {{9600, 5, P::None, S::Two, F::None}, before},
  };
  TComPortSettings start;
  start.Baud = 19200;
  for (auto [settings, line] : cases) {
    SCOPED_TRACE(testing::Message() << settings.Baud << " " << int(settings.DataBits));
    Open(start);
    settings.ReadTotalMs = 1234;  // timeouts come back as given
    const bool taken = !(line == before);
    EXPECT_EQ(m_port.Configure(settings), taken ? 0 : E_COMPORT_BADSETTING);
    EXPECT_EQ(Kept(m_port.Settings()), Kept(taken ? settings : start));
    EXPECT_EQ(m_receiver->Line(), line);
  }
  // Opened at Baud 0, a port keeps the line as it was left, and takes the timeouts.
  m_port.Close();
  TComPortSettings keep = start;
  keep.Baud = 0;
  keep.DataBits = 9;  // not used: the line's own are kept
  keep.ReadTotalMs = start.ReadTotalMs = 77;
  ASSERT_EQ(m_port.Open(m_receiver->PortName().c_str(), keep), 0);
  EXPECT_EQ(Kept(m_port.Settings()), Kept(start));
  EXPECT_EQ(m_receiver->Line(), before);
  // Refused at the open, it leaves the port closed.
  m_port.Close();
  start.DataBits = 9;
  EXPECT_EQ(m_port.Open(m_receiver->PortName().c_str(), start), E_COMPORT_BADSETTING);
  EXPECT_FALSE(m_port.IsOpen());
}

TEST_F(ComPortStreamTest, OpenIsExclusiveAndNamesMustExist) {
  Open();
  TComPortStream second;
  EXPECT_EQ(second.Open(m_receiver->PortName().c_str(), {}), E_COMPORT_BUSY);
  EXPECT_FALSE(second.IsOpen());
#if defined(_WIN32)
  EXPECT_EQ(second.Open("COM97", {}), E_COMPORT_NOTFOUND);
#else
  EXPECT_EQ(second.Open("/dev/ttyNoSuchPort", {}), E_COMPORT_NOTFOUND);
  // A link to the port (as /dev/serial/by-id/ has them) is the same port, held by the first open.
  ScratchFolder folder;
  const std::string link = folder.Entry("usb-Receiver_1234-if00");
  ASSERT_EQ(symlink(m_receiver->PortName().c_str(), link.c_str()), 0);
  EXPECT_EQ(second.Open(link.c_str(), {}), E_COMPORT_BUSY);
  m_port.Close();
  EXPECT_EQ(second.Open(link.c_str(), {}), 0);
#endif
  // Closing frees the port for the next open.
  second.Close();
  EXPECT_EQ(m_port.Open(m_receiver->PortName().c_str(), {}), 0);
}

TEST_F(ComPortStreamTest, FailuresHaveTheSystemsTexts) {
  for (LONG code : {E_COMPORT_GONE, E_COMPORT_BUSY, E_COMPORT_NOMODEMLINES, E_COMPORT_CANCELLED,
                    E_COMPORT_BADSETTING, E_COMPORT_NOTOPEN, E_COMPORT_NOTFOUND}) {
    const std::string text(TErrorReporter::ErrorToText(code));
    EXPECT_TRUE(text.size() > 2 && text.find("Error #") == std::string::npos) << text;
  }
}

TEST_F(ComPortStreamTest, ReadsEndByCountOrByTheirTimeouts) {
  // Five bytes are there; whatever ends each read, it delivers them.
  const struct {
    TComPortSettings settings;
    LONG count, result;
  } cases[] = {
      {Timeouts(0), 5, 0},                           // no limits: all there
      {Timeouts(30), 9, S_COMPORT_TIMEOUT},          // total time
      {Timeouts(0, 30), 9, S_COMPORT_TIMEOUT},       // gap after the last byte
      {Timeouts(60000, 30), 9, S_COMPORT_TIMEOUT},   // gap within a total
      {Timeouts(0, 0, true), 9, S_COMPORT_TIMEOUT},  // what is there
      {Timeouts(0, 0, true), 5, 0},
  };
  Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    ASSERT_EQ(m_port.Configure(c.settings), 0);
    m_receiver->Send("12345");
    AwaitWaiting(5);
    EXPECT_EQ(ReadSome(c.count, c.result), "12345");
  }
  // Nothing there: a total time or "what is there" ends with none, a count of 0 at once.
  for (const TComPortSettings& settings : {Timeouts(20), Timeouts(0, 0, true)}) {
    ASSERT_EQ(m_port.Configure(settings), 0);
    EXPECT_EQ(ReadSome(4, S_COMPORT_TIMEOUT), "");
    EXPECT_EQ(ReadSome(0, 0), "");
  }
}

TEST_F(ComPortStreamTest, WrittenBytesReachTheDeviceAndComeBack) {
  Open(Timeouts(20000));  // a bound for a broken port, never reached when it works
  m_receiver->Echo(true);
  std::string sent;
  for (int i = 0; i < 3000; ++i) sent += static_cast<char>(i * 7);
  EXPECT_EQ(m_port.Write(Bytes(sent), static_cast<LONG>(sent.size()), true), 0);
  EXPECT_EQ(m_port.LastWritten(), sent.size());
  EXPECT_EQ(m_port.Drain(), 0);
  EXPECT_EQ(ReadSome(static_cast<LONG>(sent.size()), 0), sent);
  EXPECT_EQ(m_receiver->Received(sent.size()), sent);
  EXPECT_EQ(m_port.Write(Bytes(sent), -4, false), 0);  // a negative count writes nothing
  EXPECT_EQ(m_port.LastWritten(), 0u);
}

TEST_F(ComPortStreamTest, PurgeDropsWhatWasReceived) {
  Open(Timeouts(0, 0, true));
  m_receiver->Send("abcdefg");
  AwaitWaiting(7);
  EXPECT_EQ(m_port.Purge(TComPurge::Output), 0);
  AwaitWaiting(7);
  EXPECT_EQ(m_port.Purge(TComPurge::Input), 0);
  AwaitWaiting(0);
  m_receiver->Send("hi");
  AwaitWaiting(2);
  EXPECT_EQ(m_port.Purge(TComPurge::Both), 0);
  EXPECT_EQ(ReadSome(4, S_COMPORT_TIMEOUT), "");
}

TEST_F(ComPortStreamTest, BreakAndModemLinesOfAPortWithoutThem) {
  Open();
  EXPECT_EQ(m_port.SendBreak(5), 0);
  // A pseudo-terminal has no modem lines, and says so.
  DWORD lines = 0xFFFF;
  EXPECT_EQ(m_port.GetModemLines(lines), E_COMPORT_NOMODEMLINES);
  EXPECT_EQ(lines, 0u);
  EXPECT_EQ(m_port.SetDtr(true), E_COMPORT_NOMODEMLINES);
  EXPECT_EQ(m_port.SetRts(false), E_COMPORT_NOMODEMLINES);
  m_receiver->Send("x");  // the port is still usable
  AwaitWaiting(1);
}

TEST_F(ComPortStreamTest, CancelEndsABlockedReadOrTheNextOne) {
  Open();  // no timeouts: a read waits for all its bytes
  LONG result = 0, done = -1;
  unsigned char data[8];
  std::thread reader([&] { result = m_port.Read(data, 8, &done); });
  m_port.Cancel();
  reader.join();
  EXPECT_EQ(result, E_COMPORT_CANCELLED);
  EXPECT_EQ(done, 0);
  // With no read in progress the next one is cancelled, and only that one.
  m_port.Cancel();
  EXPECT_EQ(m_port.Read(data, 8, &done), E_COMPORT_CANCELLED);
  m_receiver->Send("ok");
  ASSERT_EQ(m_port.Configure(Timeouts(0, 20)), 0);
  EXPECT_EQ(ReadSome(8, S_COMPORT_TIMEOUT), "ok");
}

TEST_F(ComPortStreamTest, UnpluggedDuringAReadStaysGoneUntilClosed) {
  Open();
  LONG result = 0, done = -1;
  unsigned char data[8];
  std::thread reader([&] { result = m_port.Read(data, 8, &done); });
  m_receiver->Unplug();
  reader.join();
  EXPECT_EQ(result, E_COMPORT_GONE);
  EXPECT_EQ(done, 0);
  DWORD waiting = 0;
  for (LONG later : {m_port.Read(data, 8, &done), m_port.Write(data, 8, false),
                     m_port.Configure({}), m_port.BytesWaiting(waiting)}) {
    EXPECT_EQ(later, E_COMPORT_GONE);
  }
  EXPECT_TRUE(m_port.IsOpen());
  m_port.Close();
  for (LONG closed : {m_port.Read(data, 8, &done), m_port.Write(data, 8, false), m_port.Drain()}) {
    EXPECT_EQ(closed, E_COMPORT_NOTOPEN);
  }
}

TEST_F(ComPortStreamTest, UnpluggedDuringAWriteSaysHowMuchWent) {
  Open();
  const std::string block(1 << 20, 'u');
  m_receiver->UnplugAfterReading(1000);
  EXPECT_EQ(m_port.Write(Bytes(block), static_cast<LONG>(block.size()), false), E_COMPORT_GONE);
  EXPECT_GE(m_port.LastWritten(), 1000u);
  EXPECT_LT(m_port.LastWritten(), block.size());
  EXPECT_EQ(m_port.Write(Bytes(block), 1, false), E_COMPORT_GONE);
}

TEST_F(ComPortStreamTest, AWriteTimeoutEndsAShortWrite) {
  TComPortSettings settings;
  settings.WriteTotalMs = 50;
  Open(settings);
  m_receiver->Stall(true);
  const std::string block(1 << 20, 's');
  EXPECT_EQ(m_port.Write(Bytes(block), static_cast<LONG>(block.size()), false),
            E_STREAM_SHORTWRITE);
  EXPECT_GT(m_port.LastWritten(), 0u);
  EXPECT_LT(m_port.LastWritten(), block.size());
  m_receiver->Stall(false);  // what went is what the device gets
  EXPECT_EQ(m_receiver->Received(m_port.LastWritten()).size(), m_port.LastWritten());
}

}  // namespace
