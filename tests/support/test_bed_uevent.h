#pragma once

// Tells the udev monitors of the programs in umockdev's test bed ($UMOCKDEV_DIR) that a tty device
// came ("add") or went ("remove"), as the udev daemon tells them: one message in libudev's format
// to each monitor's socket in the test bed. devpath is the device's path below /sys.
void SendTestBedUevent(const char* action, const char* devpath);
