#pragma once

// Running the desktop's helper programs (clipboard tools) from the library's process: never
// waiting on them without a time limit, never letting them hold the caller's output open, and
// never raising SIGPIPE in the caller when they end early.

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

}  // namespace corekit::platform::posix
