// The road of one error message in another language: the code's English string, translated by the
// library's dictionary beside the program, shown in the message box.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "corekit/core/app_info.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/platform/wide_text.h"
#include "tests/errors/recorded_boxes.h"
#include "tests/errors/thread_language_scope.h"

namespace {

// Text in the process's encoding, as the dictionaries hold it.
std::string Local(const std::u16string& text) {
  return corekit::platform::WideToMultibyte(text.data(), text.size());
}

TEST(TranslatedErrorText, ComesInTheThreadsLanguageThroughTheDictionary) {
  // The German dictionary of the library's module, which for this program is the program itself.
  const auto path =
      std::filesystem::path(std::string(GetAppDir())) / "Translate" / "7" / "errors_tests.txt";
  std::filesystem::create_directories(path.parent_path());
  const std::string german = Local(u"Datei konnte nicht ge\u00f6ffnet werden");
  std::ofstream(path, std::ios::binary)
      << "[could not open file][" + german + "]\r\n[Error # %lx][Fehler Nr. %lx]\r\n";
  {
    const ThreadLanguageScope thread(0x0407);
    ASSERT_TRUE(thread.Set());
    const RecordedBoxes boxes;
    TErrorReporter::ErrorMessageBox(LONG(0x80040510), nullptr, "survey.kff", "", "");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, german);

    // The generic text's picture is translated too.
    EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040502)), "Fehler Nr. 80040502");
  }
  // A language without a dictionary gets the English texts.
  const ThreadLanguageScope french(0x040C);
  ASSERT_TRUE(french.Set());
  EXPECT_EQ(GetThreadLanguage(), 0x040C);
  EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040510)), "could not open file");
  EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040502)), "Error # 80040502");
  std::filesystem::remove(path);
}

}  // namespace
