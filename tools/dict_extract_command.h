#pragma once

// `corekit dict extract [MODULE] [--output FILE]`: a template dictionary of every English text of a
// module, each with an empty translation.

#include <memory>
#include <string>
#include <vector>

#include "corekit/platform/interface_types.h"
#include "tools/command.h"
#include "tools/dict_document.h"

namespace corekit::tool {

struct ModuleTexts {
  DictDocument document;
  std::vector<std::string> unwritable;  // the resources of texts that no dictionary can hold
};

// The English texts (0x0009, else 0x0409, else neutral, as the library takes them) of the
// module's string table, menus (items with their & and \t parts, popups) and dialogs (captions and
// controls), in the process's encoding, each once, in groups headed by their resource:
//   # ---- menu 100 ----
//   #: menu 100 item 101
//   [&Open\tCtrl+O][]
// A text used again elsewhere gets another "#: " line at its first pair. title names the module
// in the header.
ModuleTexts ExtractModuleTexts(HMODULE module, const std::string& title);

// Adds the `extract` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictExtractCommand(CLI::App& dict);

}  // namespace corekit::tool
