#pragma once

// An option of the command line read as text, checked by the command itself.

#include <optional>
#include <string>

namespace CLI {
class Option;
}

namespace corekit::tool {

struct OptionText {
  std::string text;
  CLI::Option* option = nullptr;

  // True when the parsed command line gave the option.
  bool Given() const;
  // The text when the option was given.
  std::optional<std::string> Value() const;
};

}  // namespace corekit::tool
