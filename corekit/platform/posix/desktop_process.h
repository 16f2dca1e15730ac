#pragma once

// Running the desktop's helper programs (clipboard and dialog tools) from the library's process:
// never letting them hold the caller's output open unless they are to show there, and never
// raising SIGPIPE in the caller when they end before taking their input.

#include <string>
#include <vector>

namespace corekit::platform::posix {

// The full path of a program found on PATH, or empty.
std::string FindProgram(const std::string& name);

// Starts the program in a session of its own with the input on its standard input and its output
// discarded, and waits up to timeoutMs for the started process to end (a tool that forks to serve
// the input in the background ends at once). False when it could not be started, its input not
// handed over, or it ended in failure.
bool RunWithInput(const std::vector<std::string>& command, const std::string& input, int timeoutMs);

// Runs the program and gives what it writes to its standard output within timeoutMs; false when it
// could not be started, ended in failure or ran out of time (then it is killed).
bool RunAndCapture(const std::vector<std::string>& command, int timeoutMs, std::string& output);

// Starts the program, looked up on PATH, with the caller's standard streams (the input, when not
// empty, on its standard input instead) and waits as long as it runs: a dialog stays until the
// user closes it. True when it ended by itself with any status but 127, which is a program that
// could not be run (a spawn may report its failure only that way), and when the caller's process
// cannot wait for its children; false when it could not be started or was killed.
bool RunUntilClosed(const std::vector<std::string>& command, const std::string& input);

}  // namespace corekit::platform::posix
