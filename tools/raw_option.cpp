#include "tools/raw_option.h"

#include <CLI/CLI.hpp>

namespace corekit::tool {

bool RawOption::Given() const { return option != nullptr && option->count() > 0; }

std::optional<std::string> RawOption::Value() const {
  return Given() ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace corekit::tool
