#include "tools/dict_command.h"

#include <CLI/CLI.hpp>

#include "tools/dict_check_command.h"
#include "tools/dict_extract_command.h"
#include "tools/dict_merge_command.h"
#include "tools/dict_stats_command.h"

namespace corekit::tool {

void AddDictCommands(CLI::App& app, std::vector<std::unique_ptr<Command>>& commands) {
  CLI::App* dict = app.add_subcommand("dict", "Write, update and check dictionary files");
  dict->require_subcommand(1);
  dict->footer(
      "A dictionary holds pairs of an English text and its translation, [File not found][Datei "
      "nicht gefunden], in Translate/<language>/<name>.txt beside the program. Start with "
      "extract, bring it up to a new release with merge, and see what is left with stats and "
      "check.");
  commands.push_back(AddDictExtractCommand(*dict));
  commands.push_back(AddDictMergeCommand(*dict));
  commands.push_back(AddDictStatsCommand(*dict));
  commands.push_back(AddDictCheckCommand(*dict));
}

}  // namespace corekit::tool
