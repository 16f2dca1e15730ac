#include "tools/option_text.h"

#include <CLI/CLI.hpp>

namespace corekit::tool {

bool OptionText::Given() const { return option != nullptr && option->count() > 0; }

std::optional<std::string> OptionText::Value() const {
  return Given() ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace corekit::tool
