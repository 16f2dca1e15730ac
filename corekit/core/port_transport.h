#pragma once

// How a serial port reaches the machine: a USB device (CDC-ACM or a USB-serial bridge), a
// Bluetooth serial link, a port of the machine itself (a UART on the board, a PCI card) or a port
// that only software provides (a driver's virtual pair). Unknown: the system did not say.
enum class TPortTransport : int { Unknown = 0, Usb = 1, Bluetooth = 2, Native = 3, Virtual = 4 };

// The transport's name as a report shows it: "USB", "Bluetooth", "native", "virtual"; "" for
// Unknown.
constexpr const char* PortTransportName(TPortTransport transport) {
  switch (transport) {
    case TPortTransport::Usb:
      return "USB";
    case TPortTransport::Bluetooth:
      return "Bluetooth";
    case TPortTransport::Native:
      return "native";
    case TPortTransport::Virtual:
      return "virtual";
    default:
      return "";
  }
}
