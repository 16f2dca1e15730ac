#include "corekit/errors/error_reporter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "corekit/core/app_info.h"
#include "corekit/errors/reporter_chain.h"
#include "corekit/errors/std_error_text.h"
#include "tests/errors/recorded_boxes.h"
#include "tests/errors/thread_language_scope.h"

namespace {

using corekit::internal::TheReporterChain;

// A module's reporter: answers every code with its text (empty: no answer), noting what it was
// asked.
class ModuleReporter : public TErrorReporter {
public:
  explicit ModuleReporter(std::string answer) : m_answer(std::move(answer)) {}
  ModuleReporter(const ModuleReporter&) = default;

  std::vector<LONG> asked;
  std::vector<std::string> details;

protected:
  KString ErrorToTextImp(LONG code, const KString& text1, const KString& text2,
                         const KString& text3) override {
    asked.push_back(code);
    details = {text1.GetString(), text2.GetString(), text3.GetString()};
    return KString(m_answer.c_str());
  }

private:
  std::string m_answer;
};

class ErrorReporterTest : public testing::Test {
protected:
  ThreadLanguageScope m_english{0x0409};
};

TEST_F(ErrorReporterTest, ModuleReporterIsAskedOnlyWhatTheStandardOneLeaves) {
  // The library's reporter is in the chain before any module's.
  ASSERT_GE(TheReporterChain().Count(), 1u);
  ModuleReporter module("module text");
  const std::string systemText(corekit::internal::SystemErrorText(5, "", "", ""));
  const struct {
    DWORD code;
    std::string text;
    bool asked;
  } cases[] = {
      {0x80040510, "could not open file", false},
      {5, systemText, false},
      {0x80040502, "module text", true},
      {0x80AB1234, "module text", true},  // the system has no text for it
  };
  std::vector<LONG> expectedAsked;
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(TErrorReporter::ErrorToText(LONG(c.code), "a", "b", "c")), c.text);
    if (c.asked) expectedAsked.push_back(LONG(c.code));
  }
  EXPECT_EQ(module.asked, expectedAsked);
  EXPECT_EQ(module.details, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(ErrorReporterTest, EmptyAnswersArePassedOverUpToTheGenericText) {
  ModuleReporter silent("");
  {
    ModuleReporter second("second");
    ModuleReporter third("third");
    EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040777)), "second");
    EXPECT_TRUE(third.asked.empty());
  }
  EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040502)), "Error # 80040502");
  EXPECT_EQ(silent.asked.size(), 2u);
}

TEST_F(ErrorReporterTest, DestructionRemovesItsOwnEntryAndCopiesAreNotRegistered) {
  const std::size_t before = TheReporterChain().Count();
  auto first = std::make_unique<ModuleReporter>("first");
  auto middle = std::make_unique<ModuleReporter>("middle");
  auto last = std::make_unique<ModuleReporter>("last");
  {
    ModuleReporter copy(*middle);
    copy = *last;
    EXPECT_EQ(TheReporterChain().Count(), before + 3);
  }
  middle.reset();
  ASSERT_EQ(TheReporterChain().Count(), before + 2);
  EXPECT_EQ(TheReporterChain().At(before), first.get());
  EXPECT_EQ(TheReporterChain().At(before + 1), last.get());
  first.reset();
  last.reset();
  EXPECT_EQ(TheReporterChain().Count(), before);
}

// A reporter entered twice leaves the chain with its first entry only; one never entered leaves
// nothing.
TEST(ReporterChain, RemovesTheFirstEqualEntryOnly) {
  ModuleReporter a(""), b("");
  corekit::internal::ReporterChain chain;
  for (TErrorReporter* entry : {&a, &b, &a}) chain.Append(entry);
  EXPECT_TRUE(chain.Remove(&a));
  EXPECT_FALSE(chain.Remove(nullptr));
  ASSERT_EQ(chain.Count(), 2u);
  EXPECT_EQ(chain.At(0), &b);
  EXPECT_EQ(chain.At(1), &a);
}

// Makes new reporters when asked, enough that the chain's storage moves while it is read.
class GrowingReporter : public TErrorReporter {
public:
  std::vector<std::unique_ptr<ModuleReporter>> made;

protected:
  KString ErrorToTextImp(LONG, const KString&, const KString&, const KString&) override {
    for (int i = 0; i < 64; ++i) made.push_back(std::make_unique<ModuleReporter>(""));
    made.push_back(std::make_unique<ModuleReporter>("made while asking"));
    return KString();
  }
};

TEST_F(ErrorReporterTest, ReportersJoiningDuringTheQuestionAreAsked) {
  GrowingReporter growing;
  EXPECT_STREQ(TErrorReporter::ErrorToText(LONG(0x80040502)), "made while asking");
}

TEST_F(ErrorReporterTest, MessageBoxShowsTheTextCaptionedWithTheApplicationsName) {
  const RecordedBoxes boxes;
  const auto owner = reinterpret_cast<HWND>(0x1234);
  TErrorReporter::ErrorMessageBox(LONG(0x80040515), owner, "file.kff", "", "");
  TErrorReporter::ErrorMessageBox(LONG(0x80040502), nullptr);

  const std::vector<ShownBox>& shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].owner, owner);
  EXPECT_EQ(shown[0].text, "Not a valid KFF file");
  EXPECT_EQ(shown[0].caption, std::string(GetAppName()));
  EXPECT_FALSE(shown[0].caption.empty());
  EXPECT_EQ(shown[0].style, 0x30u);
  EXPECT_EQ(shown[1].owner, nullptr);
}

}  // namespace
