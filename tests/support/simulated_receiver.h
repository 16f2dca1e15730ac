#pragma once

// A simulated device on a serial port, for the tests of the port stream and of what listens to it.
// It sits on the master side of a pseudo-terminal pair; the stream opens the slave. It sees the
// line's settings through the terminal's attributes, which both sides share, and speaks its frames
// only while the line runs at its own speed, and garbage otherwise, as a UART at the wrong speed
// would show. Unplugging closes its side, so the stream sees the device go.
//
// On POSIX a test makes it in its own process (MakeLocalReceiver). A Windows test under Wine
// cannot make a pseudo-terminal: the native program simulated_receiver makes one, points the
// prefix's dosdevices/comN at it, runs the test and serves its requests through a control folder
// (ConnectReceiver). OpenSimulatedReceiver gives whichever the platform has.
//
//   auto receiver = OpenSimulatedReceiver();   // null: none here, skip
//   receiver->Speak(115200, nmeaSentences);
//   TComPortStream port;
//   port.Open(receiver->PortName().c_str(), settings115200);   // reads the sentences

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace corekit_test {

// The line's settings as the simulator reads them from the terminal's attributes.
struct LineState {
  std::uint32_t Baud = 0;  // the output speed
  int DataBits = 8;        // 5 to 8
  char Parity = 'N';       // 'N', 'O', 'E', 'M' (mark) or 'S' (space)
  int StopBits = 1;        // 1 or 2
  bool RtsCts = false;     // hardware flow control
  bool XonXoff = false;    // software flow control (output or input)
  bool operator==(const LineState&) const = default;
};

// The test's side of a simulated receiver. Every request takes effect before it returns.
class SimulatedReceiver {
public:
  virtual ~SimulatedReceiver() = default;

  // The name the port stream opens: "/dev/pts/3" on POSIX, "COM12" under Wine.
  virtual std::string PortName() = 0;
  // A new device on a new pseudo-terminal pair: silent, not echoing, nothing received. Under Wine
  // the port keeps its name. False when no pair could be made.
  virtual bool Replug() = 0;

  // From now on sends the frames over and over, paced as a line at baud carries them (baud / 10
  // bytes a second), while the line's speed is baud; at any other speed pseudo-random bytes at the
  // same pace. Bytes the port has no room for are lost, as on a real line.
  virtual void Speak(std::uint32_t baud, const std::string& frames) = 0;
  // Sends these bytes once, at once, whatever the speed; none are lost.
  virtual void Send(const std::string& bytes) = 0;
  // Stops speaking.
  virtual void Silence() = 0;
  // Sends back every byte it reads (on) or keeps it (off, the default).
  virtual void Echo(bool on) = 0;
  // Stops reading the line (on), so that a writer fills the buffers and waits; off resumes.
  virtual void Stall(bool on) = 0;

  // Every byte read from the line so far (echoed ones too), once there are at least count of them
  // or, failing that, after a bound of seconds, so that a broken writer fails a test, not hangs it.
  virtual std::string Received(std::size_t count) = 0;
  // The line's settings now.
  virtual LineState Line() = 0;

  // Closes its side now: the device is gone.
  virtual void Unplug() = 0;
  // Closes its side as soon as it has read count more bytes (it resumes reading if stalled).
  virtual void UnplugAfterReading(std::size_t count) = 0;
};

// A receiver in this process, on a new pseudo-terminal pair; POSIX only (null elsewhere, or when
// no pair can be made).
std::unique_ptr<SimulatedReceiver> MakeLocalReceiver();
// The receiver served by the simulated_receiver program that started this one, found through the
// variables COREKIT_RECEIVER_DIR (its control folder) and COREKIT_RECEIVER_PORT (the port name);
// null when they are not set.
std::unique_ptr<SimulatedReceiver> ConnectReceiver();
// MakeLocalReceiver on POSIX, ConnectReceiver on Windows.
std::unique_ptr<SimulatedReceiver> OpenSimulatedReceiver();

}  // namespace corekit_test
