#pragma once

// `corekit path`: splits a path text into its parts and prints them with its compositions.

#include <memory>
#include <optional>
#include <string>

#include "corekit/util/split_path.h"
#include "tools/command.h"

namespace corekit::tool {

// One "label  value" line for the network flag, each part, and the compositions worth knowing:
// all parts, the root, the folder, the path without folder, the file name; with squeeze also the
// path squeezed to that length. Empty texts show as "(empty)".
std::string FormatPath(const TSplitPath& path, std::optional<int> squeeze);

// Adds the `path` subcommand to the application.
std::unique_ptr<Command> AddPathCommand(CLI::App& app);

}  // namespace corekit::tool
