#include "corekit/util/com_port_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "corekit/errors/error_reporter.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/simulated_receiver.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

using corekit_test::LineState;
using corekit_test::SimulatedReceiver;

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

// Every test has a fresh device; under Wine the one served for the whole program, replugged.
class ComPortStreamTest : public testing::Test {
protected:
  void SetUp() override {
    m_receiver = corekit_test::OpenSimulatedReceiver();
    if (!m_receiver) GTEST_SKIP() << "no simulated receiver (Windows: run through simulated_receiver)";
#if defined(_WIN32)
    ASSERT_TRUE(m_receiver->Replug());
#endif
  }

  // Opens the receiver's port with the settings, failing the test when it cannot.
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

  std::string ReadSome(LONG count, LONG expected, LONG* done) {
    std::string data(static_cast<size_t>(count), '\0');
    EXPECT_EQ(m_port.Read(reinterpret_cast<unsigned char*>(data.data()), count, done), expected);
    data.resize(static_cast<size_t>(*done));
    return data;
  }

  std::unique_ptr<SimulatedReceiver> m_receiver;
  TComPortStream m_port;
};

// A pseudo-terminal keeps any speed, stop bits and flow control, but always 8 data bits without
// parity: the other settings are refused there, as a driver refuses what it cannot do, and the
// line keeps the settings before.
TEST_F(ComPortStreamTest, SettingsReachTheLineAndReadBack) {
  struct Case {
    DWORD baud;
    BYTE bits;
    TComParity parity;
    TComStopBits stop;
    TComFlowControl flow;
    bool taken;
    LineState line;
  };
  const LineState before{19200, 8, 'N', 1, false, false};
  const Case cases[] = {
      {9600, 8, TComParity::None, TComStopBits::One, TComFlowControl::None, true,
       {9600, 8, 'N', 1, false, false}},
      {115200, 8, TComParity::None, TComStopBits::Two, TComFlowControl::RtsCts, true,
       {115200, 8, 'N', 2, true, false}},
      {57600, 8, TComParity::None, TComStopBits::One, TComFlowControl::XonXoff, true,
       {57600, 8, 'N', 1, false, true}},
#if !defined(_WIN32)
      // Any speed the driver takes, beside the standard ones.
      {250000, 8, TComParity::None, TComStopBits::One, TComFlowControl::None, true,
       {250000, 8, 'N', 1, false, false}},
#endif
      {115200, 7, TComParity::Even, TComStopBits::One, TComFlowControl::None, false, before},
      {4800, 5, TComParity::Odd, TComStopBits::OneAndHalf, TComFlowControl::None, false, before},
      {57600, 6, TComParity::Mark, TComStopBits::One, TComFlowControl::None, false, before},
      {38400, 8, TComParity::Space, TComStopBits::One, TComFlowControl::None, false, before},
  };
  TComPortSettings start;
  start.Baud = 19200;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baud);
    Open(start);
    TComPortSettings settings;
    settings.Baud = c.baud;
    settings.DataBits = c.bits;
    settings.Parity = c.parity;
    settings.StopBits = c.stop;
    settings.Flow = c.flow;
    settings.ReadTotalMs = c.baud;  // timeouts come back as given
    const TComPortSettings expected = c.taken ? settings : start;
    ASSERT_EQ(m_port.Configure(settings), c.taken ? 0 : E_COMPORT_BADSETTING);
    const TComPortSettings back = m_port.Settings();
    EXPECT_EQ(back.Baud, expected.Baud);
    EXPECT_EQ(back.DataBits, expected.DataBits);
    EXPECT_EQ(back.Parity, expected.Parity);
    EXPECT_EQ(back.StopBits, expected.StopBits);
    EXPECT_EQ(back.Flow, expected.Flow);
    EXPECT_EQ(back.ReadTotalMs, expected.ReadTotalMs);
    EXPECT_EQ(m_receiver->Line(), c.line);
  }
}

TEST_F(ComPortStreamTest, RefusedSettingsKeepTheOldOnes) {
  TComPortSettings good;
  good.Baud = 19200;
  Open(good);
  TComPortSettings nine = good, noSpeed = good, halfOf8 = good, twoOf5 = good;
  nine.DataBits = 9;
  noSpeed.Baud = 0;
  halfOf8.StopBits = TComStopBits::OneAndHalf;
  twoOf5.DataBits = 5;
  twoOf5.StopBits = TComStopBits::Two;
  for (TComPortSettings bad : {nine, noSpeed, halfOf8, twoOf5}) {
    bad.ReadTotalMs = 77;
    EXPECT_EQ(m_port.Configure(bad), E_COMPORT_BADSETTING);
    EXPECT_EQ(m_port.Settings().Baud, 19200u);
    EXPECT_EQ(m_port.Settings().DataBits, 8);
    EXPECT_EQ(m_port.Settings().ReadTotalMs, 0u);
    EXPECT_EQ(m_receiver->Line().Baud, 19200u);
  }
  // A refused setting at the open leaves the port closed.
  TComPortStream other;
  m_port.Close();
  EXPECT_EQ(other.Open(m_receiver->PortName().c_str(), nine), E_COMPORT_BADSETTING);
  EXPECT_FALSE(other.IsOpen());
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
    EXPECT_GT(text.size(), 2u) << std::hex << code;
    EXPECT_EQ(text.find("Error #"), std::string::npos) << text;
  }
}

TEST_F(ComPortStreamTest, ReadsEndByCountOrByTheirTimeouts) {
  struct Case {
    const char* name;
    DWORD totalMs, gapMs;
    bool whatIsThere;
    LONG count;
    LONG result;
  };
  // Five bytes are there; whatever ends each read, it delivers them.
  const Case cases[] = {
      {"all there, no limits", 0, 0, false, 5, 0},
      {"total time", 30, 0, false, 9, S_COMPORT_TIMEOUT},
      {"gap after the last byte", 0, 30, false, 9, S_COMPORT_TIMEOUT},
      {"gap within a total", 60000, 30, false, 9, S_COMPORT_TIMEOUT},
      {"what is there", 0, 0, true, 9, S_COMPORT_TIMEOUT},
      {"what is there, all asked", 0, 0, true, 5, 0},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TComPortSettings settings;
    settings.ReadTotalMs = c.totalMs;
    settings.ReadGapMs = c.gapMs;
    settings.ReadWhatIsThere = c.whatIsThere;
    ASSERT_EQ(m_port.Configure(settings), 0);
    m_receiver->Send("12345");
    AwaitWaiting(5);
    LONG done = -1;
    EXPECT_EQ(ReadSome(c.count, c.result, &done), "12345");
  }
  // Nothing there: a total time or "what is there" ends with none, a count of 0 at once.
  for (bool whatIsThere : {false, true}) {
    TComPortSettings settings;
    settings.ReadTotalMs = whatIsThere ? 0 : 20;
    settings.ReadWhatIsThere = whatIsThere;
    ASSERT_EQ(m_port.Configure(settings), 0);
    LONG done = -1;
    EXPECT_EQ(ReadSome(4, S_COMPORT_TIMEOUT, &done), "");
    EXPECT_EQ(ReadSome(0, 0, &done), "");
  }
}

TEST_F(ComPortStreamTest, WrittenBytesReachTheDeviceAndComeBack) {
  TComPortSettings settings;
  settings.Baud = 115200;
  settings.ReadTotalMs = 20000;  // a bound for a broken port, never reached when it works
  Open(settings);
  m_receiver->Echo(true);
  std::string sent;
  for (int i = 0; i < 3000; ++i) sent += static_cast<char>(i * 7);
  EXPECT_EQ(m_port.Write(Bytes(sent), static_cast<LONG>(sent.size()), true), 0);
  EXPECT_EQ(m_port.LastWritten(), sent.size());
  EXPECT_EQ(m_port.Drain(), 0);
  LONG done = 0;
  EXPECT_EQ(ReadSome(static_cast<LONG>(sent.size()), 0, &done), sent);
  EXPECT_EQ(m_receiver->Received(sent.size()), sent);
  EXPECT_EQ(m_port.Write(Bytes(sent), -4, false), 0);  // a negative count writes nothing
  EXPECT_EQ(m_port.LastWritten(), 0u);
}

TEST_F(ComPortStreamTest, PurgeDropsWhatWasReceived) {
  TComPortSettings settings;
  settings.ReadWhatIsThere = true;
  Open(settings);
  m_receiver->Send("abcdefg");
  AwaitWaiting(7);
  EXPECT_EQ(m_port.Purge(TComPurge::Output), 0);
  AwaitWaiting(7);
  EXPECT_EQ(m_port.Purge(TComPurge::Input), 0);
  AwaitWaiting(0);
  m_receiver->Send("hi");
  AwaitWaiting(2);
  EXPECT_EQ(m_port.Purge(TComPurge::Both), 0);
  LONG done = -1;
  EXPECT_EQ(ReadSome(4, S_COMPORT_TIMEOUT, &done), "");
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
  // The port is still usable.
  m_receiver->Send("x");
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
  TComPortSettings settings;
  settings.ReadGapMs = 20;
  ASSERT_EQ(m_port.Configure(settings), 0);
  EXPECT_EQ(ReadSome(8, S_COMPORT_TIMEOUT, &done), "ok");
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
  EXPECT_EQ(m_port.Read(data, 8, &done), E_COMPORT_GONE);
  EXPECT_EQ(m_port.Write(data, 8, false), E_COMPORT_GONE);
  EXPECT_EQ(m_port.Configure({}), E_COMPORT_GONE);
  DWORD waiting = 0;
  EXPECT_EQ(m_port.BytesWaiting(waiting), E_COMPORT_GONE);
  EXPECT_TRUE(m_port.IsOpen());
  m_port.Close();
  EXPECT_EQ(m_port.Read(data, 8, &done), E_COMPORT_NOTOPEN);
  EXPECT_EQ(m_port.Write(data, 8, false), E_COMPORT_NOTOPEN);
  EXPECT_EQ(m_port.Drain(), E_COMPORT_NOTOPEN);
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
  // What went is what the device gets.
  m_receiver->Stall(false);
  EXPECT_EQ(m_receiver->Received(m_port.LastWritten()).size(), m_port.LastWritten());
}

}  // namespace
