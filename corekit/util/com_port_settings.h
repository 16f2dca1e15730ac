#pragma once

#include "corekit/platform/interface_types.h"

// Parity bit of each character: none, odd, even, always 1 (mark) or always 0 (space).
enum class TComParity { None, Odd, Even, Mark, Space };
// Stop bits after each character; one and a half goes with 5 data bits only.
enum class TComStopBits { One, OneAndHalf, Two };
// Flow control: none, the RTS and CTS lines, or the XON and XOFF characters.
enum class TComFlowControl { None, RtsCts, XonXoff };
// Which buffered bytes Purge throws away: those received, those not yet sent, or both.
enum class TComPurge { Input, Output, Both };

// The line settings and timeouts of a serial port.
//
// A Read returns when it has its count of bytes, when ReadTotalMs milliseconds have passed since it
// began, or when ReadGapMs milliseconds pass after a byte without the next one; 0 sets no such
// limit, so with both 0 (and ReadWhatIsThere false) a Read waits until it has all its bytes.
// ReadWhatIsThere makes a Read return at once with the bytes already received, none included.
// A Write gives up after WriteTotalMs milliseconds (0: it waits until all bytes went).
struct TComPortSettings {
  DWORD Baud = 9600;  // bits per second, standard (9600, 115200) or any other the driver takes
  BYTE DataBits = 8;  // 5 to 8
  TComParity Parity = TComParity::None;          // the parity bit
  TComStopBits StopBits = TComStopBits::One;     // the stop bits
  TComFlowControl Flow = TComFlowControl::None;  // the flow control
  DWORD ReadTotalMs = 0;                         // longest time of a Read; 0: no limit
  DWORD ReadGapMs = 0;           // longest silence after a byte within a Read; 0: no limit
  bool ReadWhatIsThere = false;  // a Read takes what has arrived and never waits
  DWORD WriteTotalMs = 0;        // longest time of a Write; 0: no limit
};

// Modem status lines as GetModemLines reports them: clear to send, data set ready, ring
// indicator and data carrier detect (receive line signal detect), each set while the line is on.
inline constexpr DWORD COMPORT_CTS = 0x0010;
inline constexpr DWORD COMPORT_DSR = 0x0020;
inline constexpr DWORD COMPORT_RI = 0x0040;
inline constexpr DWORD COMPORT_DCD = 0x0080;
