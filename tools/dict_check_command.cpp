#include "tools/dict_check_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <string_view>

#include "corekit/translate/dictionary_text.h"
#include "tools/dict_document.h"

namespace corekit::tool {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The placeholders of a text in order: printf's conversions (%d, %5.2f, %lx, %I64d) and the
// numbered inserts of system messages (%1, %2!d!). %% is none.
void Placeholders(const std::string& text, std::vector<std::string>& printf,
                  std::vector<std::string>& numbered) {
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    std::size_t end = at + 1;
    if (end < text.size() && text[end] == '%') {
      at = end + 1;
      continue;
    }
    while (end < text.size() && std::string_view("-+ #0").find(text[end]) != std::string::npos) {
      ++end;
    }
    const std::size_t digits = end;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == '.' || text[end] == '*')) ++end;
    while (end < text.size() &&
           std::string_view("hlLzjtqI64").find(text[end]) != std::string::npos) {
      ++end;
    }
    if (end < text.size() &&
        std::string_view("diouxXeEfgGaAcspn").find(text[end]) != std::string::npos) {
      printf.push_back(text.substr(at, end + 1 - at));
      at = end + 1;
    } else if (digits == at + 1 && digits < text.size() && IsDigit(text[digits]) &&
               text[digits] != '0') {
      std::size_t number = digits;
      while (number < text.size() && IsDigit(text[number])) ++number;
      numbered.push_back(text.substr(at, number - at));
      at = number;
    } else {
      at = at + 1;
    }
  }
}

// How many & mark an accelerator (&& is a plain ampersand).
int Accelerators(const std::string& text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (i + 1 < text.size() && text[i + 1] == '&') {
      ++i;
    } else {
      ++count;
    }
  }
  return count;
}

std::string Leading(const std::string& text) {
  return text.substr(0, std::min(text.size(), text.find_first_not_of(" \n\r")));
}

std::string Trailing(const std::string& text) {
  const std::size_t last = text.find_last_not_of(" \n\r");
  return last == std::string::npos ? text : text.substr(last + 1);
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
  return text.empty() ? "none" : text;
}

void CheckPair(const DictEntry& entry, std::vector<DictFault>& faults) {
  const auto fault = [&](const std::string& what) { faults.push_back({entry.line, what}); };
  std::vector<std::string> keyPrintf, keyNumbered, valuePrintf, valueNumbered;
  Placeholders(entry.key, keyPrintf, keyNumbered);
  Placeholders(entry.value, valuePrintf, valueNumbered);
  if (keyPrintf != valuePrintf) {
    std::vector<std::string> a = keyPrintf, b = valuePrintf;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    fault(a == b ? "placeholders reordered: " + Joined(keyPrintf) + " became " + Joined(valuePrintf)
                 : "placeholders differ: the English text has " + Joined(keyPrintf) +
                       ", the translation " + Joined(valuePrintf));
  }
  // Numbered inserts may change their order; each must stay.
  std::sort(keyNumbered.begin(), keyNumbered.end());
  std::sort(valueNumbered.begin(), valueNumbered.end());
  if (keyNumbered != valueNumbered) {
    fault("inserts differ: the English text has " + Joined(keyNumbered) + ", the translation " +
          Joined(valueNumbered));
  }
  const int keyAccelerators = Accelerators(entry.key);
  const int valueAccelerators = Accelerators(entry.value);
  if (valueAccelerators > 1) {
    fault("more than one & accelerator");
  } else if (keyAccelerators > 0 && valueAccelerators == 0) {
    fault("the & accelerator is lost");
  } else if (keyAccelerators == 0 && valueAccelerators > 0) {
    fault("an & accelerator that the English text does not have (&& writes an ampersand)");
  }
  const bool keyTab = entry.key.find('\t') != std::string::npos;
  const bool valueTab = entry.value.find('\t') != std::string::npos;
  if (keyTab && !valueTab) fault("the \\t shortcut part is lost");
  if (!keyTab && valueTab) fault("a \\t that the English text does not have");
  if (Leading(entry.key) != Leading(entry.value))
    fault("leading blanks differ from the English text's");
  if (Trailing(entry.key) != Trailing(entry.value)) {
    fault("trailing blanks differ from the English text's");
  }
}

void CheckEncoding(const std::string& text, std::vector<DictFault>& faults) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t bad = at + FindInvalidMultibyte(text.data() + at, text.size() - at);
    if (bad >= text.size()) return;
    faults.push_back({1 + static_cast<int>(std::count(
                              text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bad), '\n')),
                      "bytes that are no character of this encoding (is the file in another?)"});
    // One report a line.
    const std::size_t next = text.find('\n', bad);
    at = next == std::string::npos ? text.size() : next + 1;
  }
}

class DictCheckCommand final : public Command {
public:
  explicit DictCheckCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("check", "Report the faults of a dictionary's translations")) {
    m_app->add_option("dictionary", m_dictionary, "The dictionary")->required()->type_name("DICT");
    m_app->footer("Exits with 1 when it finds a fault.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    std::string text;
    if (!ReadDictionaryFile(m_dictionary.c_str(), text)) {
      err << "corekit: dict check: cannot read '" << m_dictionary << "'\n";
      return ExitUsage;
    }
    const std::vector<DictFault> faults = CheckDictionary(text);
    for (const DictFault& fault : faults) {
      out << m_dictionary << ':' << fault.line << ": " << fault.what << '\n';
    }
    if (!faults.empty()) return ExitFailure;
    out << m_dictionary << ": no faults\n";
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_dictionary;
};

}  // namespace

std::vector<DictFault> CheckDictionary(const std::string& text) {
  std::vector<DictFault> faults;
  const DictDocument document = ParseDictDocument(text);
  for (const DictStray& stray : document.strays) faults.push_back({stray.line, stray.what});
  std::map<std::string, int> firstLines;
  for (const DictEntry& entry : document.entries) {
    const auto [first, added] = firstLines.emplace(entry.key, entry.line);
    if (!added) {
      faults.push_back({entry.line, "the key of line " + std::to_string(first->second) +
                                        " again; only the first counts"});
    } else if (!entry.value.empty()) {
      CheckPair(entry, faults);
    }
  }
  CheckEncoding(text, faults);
  std::stable_sort(faults.begin(), faults.end(),
                   [](const DictFault& a, const DictFault& b) { return a.line < b.line; });
  return faults;
}

std::unique_ptr<Command> AddDictCheckCommand(CLI::App& dict) {
  return std::make_unique<DictCheckCommand>(dict);
}

}  // namespace corekit::tool
