#include "tools/error_command.h"

#include <CLI/CLI.hpp>

#include "corekit/core/hex_text.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/translate/thread_language.h"
#include "tools/language_text.h"
#include "tools/number_text.h"
#include "tools/raw_option.h"
#include "tools/report_lines.h"

namespace corekit::tool {
namespace {

class ErrorCommand final : public Command {
public:
  explicit ErrorCommand(CLI::App& app)
      : m_app(app.add_subcommand("error", "Print the message text of an error code")) {
    m_app->add_option("code", m_code, "The code: 0x80040510, 2, -2147220208")
        ->required()
        ->type_name("CODE");
    m_language.option =
        m_app
            ->add_option("--lang", m_language.text,
                         "The language of the text, such as 0x0407 (German); default: the thread's")
            ->type_name("ID");
    m_app->footer(
        "The text comes from the reporter chain: the library's own table, then the system's "
        "message texts, else \"Error # <code>\". Texts in other languages come from the dictionary "
        "Translate/<primary language>/corekit.txt beside the program.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    LONG code = 0;
    std::string error;
    if (!ParseErrorCode(m_code, code, error)) {
      err << "corekit: error: " << error << '\n';
      return ExitUsage;
    }
    if (m_language.Given()) {
      WORD language = 0;
      if (!ParseLanguage(m_language.text, language)) {
        err << "corekit: error: " << LanguageError("--lang", m_language.text) << '\n';
        return ExitUsage;
      }
      if (!SetThreadLanguage(language)) {
        err << "corekit: error: --lang: the system does not accept language "
            << "0x" << HexText(language, 4, true) << '\n';
        return ExitUsage;
      }
    }
    out << FormatErrorReport(code);
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_code;
  RawOption m_language;
};

}  // namespace

bool ParseErrorCode(const std::string& text, LONG& code, std::string& error) {
  std::uint32_t value = 0;
  NumberStatus status = NumberStatus::Ok;
  if (!text.empty() && text[0] == '-') {
    std::int32_t negative = 0;
    status = ParseSigned32(text, negative);
    value = static_cast<std::uint32_t>(negative);
  } else {
    status = ParseHexOrUnsigned32(text, value);
  }
  switch (status) {
    case NumberStatus::Ok:
      code = static_cast<LONG>(value);
      return true;
    case NumberStatus::NotANumber:
      error = "'" + text + "' is not a code (0x and hexadecimal digits, or a decimal number)";
      return false;
    case NumberStatus::OutOfRange:
      error = text + " is out of range (32 bits: -2147483648 to 4294967295, 0x0 to 0xFFFFFFFF)";
      return false;
  }
  return false;
}

std::string FormatErrorReport(LONG code) {
  const auto bits = static_cast<std::uint32_t>(code);
  return FormatReport({
      {"Code", "0x" + HexText(bits, 8, true) + " (" + std::to_string(code) + ")"},
      {"Language", "0x" + HexText(GetThreadLanguage(), 4, true)},
      {"Text", std::string(TErrorReporter::ErrorToText(code))},
  });
}

std::unique_ptr<Command> AddErrorCommand(CLI::App& app) {
  return std::make_unique<ErrorCommand>(app);
}

}  // namespace corekit::tool
