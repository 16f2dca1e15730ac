#pragma once

// An option of the command line taken as its raw text, which the command checks itself.

#include <optional>
#include <string>

namespace CLI {
class Option;
}

namespace corekit::tool {

struct RawOption {
  std::string text;
  CLI::Option* option = nullptr;

  // True when the parsed command line gave the option.
  bool Given() const;
  // The text when the option was given.
  std::optional<std::string> Value() const;
};

}  // namespace corekit::tool
