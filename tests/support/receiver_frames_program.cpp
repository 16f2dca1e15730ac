// receiver_frames FILE: writes the frames of the simulated receiver's second to FILE, for
// `simulated_receiver --speak BAUD FILE`.

#include <fstream>

#include "tests/support/receiver_frames.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ofstream file(argv[1], std::ios::binary);
  file << corekit_test::ReceiverFrameBytes();
  return file.flush() ? 0 : 1;
}
