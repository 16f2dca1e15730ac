#include "corekit/util/log_stream.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A stream that writes what it is told into a list.
class RecordingLog : public TLogStream {
public:
  explicit RecordingLog(const char* name) : TLogStream(name) {}
  void Message(const KString& text, unsigned int tag) override {
    calls.push_back("M " + std::string(text) + " " + std::to_string(tag));
  }
  void StartSection() override { calls.push_back("S"); }
  void EndSection(const KString& text, unsigned int tag) override {
    calls.push_back("E " + std::string(text) + " " + std::to_string(tag));
  }
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

TEST(LogStream, SectionsOpenWithAHeadingAndCloseAtTheirEnd) {
  RecordingLog log("log");
  {
    TLogStream::TSection outer(log, "outer", 3);
    outer.Message("inside", 7);
    {
      TLogStream::TSection inner(log, "inner", 4);
      inner.EndSection("done", 1);
    }
  }
  EXPECT_EQ(log.calls,
            (Calls{"M outer 3", "S", "M inside 7", "M inner 4", "S", "E done 1", "E  0"}));
}

TEST(LogStream, EndingTwiceIsPassedOnTwiceAndExceptionsStillEnd) {
  RecordingLog log("log");
  {
    TLogStream::TSection section(log, "twice", 0);
    section.EndSection("a", 1);
    section.EndSection("b", 2);
  }
  EXPECT_EQ(log.calls, (Calls{"M twice 0", "S", "E a 1", "E b 2"}));
  log.calls.clear();
  try {
    TLogStream::TSection section(log, "failing", 9);
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(log.calls, (Calls{"M failing 9", "S", "E  0"}));
}

TEST(LogStream, AssignmentTakesOnlyTheName) {
  TLogStream base("base");
  { TLogStream::TSection section(base, "silent", 3); }  // the base writes nothing
  base.SetName("renamed");
  RecordingLog log("log");
  static_cast<TLogStream&>(log) = base;  // the object keeps its behaviour
  EXPECT_EQ(std::string(log.GetName()), "renamed");
  log.Message("still recorded", 5);
  EXPECT_EQ(log.calls, Calls{"M still recorded 5"});
}

}  // namespace
