#pragma once

// A subcommand of the corekit tool. Each one registers its options on the application when made
// and runs when the command line selected it.

#include <ostream>

namespace CLI {
class App;
}

namespace corekit::tool {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;  // the input was good but the work could not be done
inline constexpr int ExitUsage = 2;    // bad command line or input

class Command {
public:
  virtual ~Command() = default;
  // True when the parsed command line named this subcommand.
  virtual bool Selected() const = 0;
  // Runs the parsed subcommand and returns the process exit code.
  virtual int Run(std::ostream& out, std::ostream& err) = 0;
};

}  // namespace corekit::tool
