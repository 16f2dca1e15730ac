#include "corekit/core/string_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corekit/core/ole_user.h"
#include "corekit/core/unique_name.h"
#include "corekit/platform/component_services.h"

namespace {

TEST(KXsscanf, ScansTheFirstLineWithUpToFiveConversions) {
  int a = -1, b = -1, c = -1;
  EXPECT_EQ(KXsscanf("12 34\n56", "%d %d %d", &a, &b, &c), 2);
  EXPECT_EQ(a, 12);
  EXPECT_EQ(b, 34);
  EXPECT_EQ(c, -1);
  EXPECT_EQ(KXsscanf("7\r8", "%d%%", &a), 1);  // a literal percent is no conversion
  EXPECT_EQ(a, 7);
  EXPECT_EQ(KXsscanf("1 2", "%*d %d", &a, &b), 1);  // a suppressed conversion counts
  EXPECT_EQ(a, 2);
  // A first line of up to 256 characters is copied on the stack, a longer one on the heap.
  for (const std::size_t length : {255, 256, 257, 300}) {
    const std::string text = std::string(length - 2, ' ') + "42\nignored";
    a = -1;
    EXPECT_EQ(KXsscanf(text.c_str(), "%d", &a), 1);
    EXPECT_EQ(a, 42) << length;
  }
}

TEST(KXsscanf, RefusesFormatsWithoutOrWithTooManyConversions) {
  int v[6] = {-1, -1, -1, -1, -1, -1};
  EXPECT_EQ(KXsscanf("1 2 3 4 5 6", "%d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]),
            0);
  EXPECT_EQ(KXsscanf("100%", "100%%"), 0);
  EXPECT_EQ(KXsscanf("", "100%%"), 0);  // where sscanf answers EOF
  EXPECT_EQ(KXsscanf("1", "%"), 0);
  for (const int value : v) EXPECT_EQ(value, -1);
  EXPECT_EQ(KXsscanf("1 2 3 4 5", "%d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4]), 5);
  EXPECT_EQ(v[4], 5);
}

TEST(KXstrchrAndKXstrstr, FindOrPointAtTheEnd) {
  char text[] = "abcabd\xE9x";
  const std::pair<const char*, long> searches[] = {
      {"abd", 3}, {"abx", 8}, {"", 8}, {"a", 0}, {"d\xE9", 5}, {"x", 7}, {"abcabd\xE9xy", 8}};
  for (const auto& [pattern, offset] : searches) {
    EXPECT_EQ(KXstrstr(text, pattern) - text, offset) << pattern;
  }
  EXPECT_EQ(KXstrchr(text, 'x') - text, 7);
  EXPECT_EQ(KXstrchr(text, 'q') - text, 8);
  EXPECT_EQ(KXstrchr(text, 0) - text, 8);
  EXPECT_EQ(KXstrchr(text, static_cast<signed char>('\xE9')) - text,
            6);  // high bytes as signed values
  EXPECT_EQ(KXstrchr(text, 0xE9) - text, 8);
  char empty[] = "";
  EXPECT_EQ(KXstrstr(empty, "a"), empty);
}

struct Refusals {
  std::vector<std::string> refused;
  std::vector<std::string> tried;
};

bool AcceptUnlessRefused(const KString& candidate, void* context) {
  auto& state = *static_cast<Refusals*>(context);
  state.tried.emplace_back(candidate);
  for (const std::string& refused : state.refused) {
    if (refused == candidate.GetString()) return false;
  }
  return true;
}

TEST(BuildUniqName, NumbersTheBaseUntilANameIsTaken) {
  Refusals point{{"Point", "Point(1)"}, {}};
  EXPECT_EQ(std::string(BuildUniqName("Point", 10, AcceptUnlessRefused, &point)), "Point(2)");
  EXPECT_EQ(point.tried, (std::vector<std::string>{"Point", "Point(1)", "Point(2)"}));

  Refusals traverse{{"Traverse"}, {}};
  for (int i = 1; i <= 9; ++i) traverse.refused.push_back("Trav(" + std::to_string(i) + ")");
  EXPECT_EQ(std::string(BuildUniqName("Traverse", 8, AcceptUnlessRefused, &traverse)), "Tra(10)");

  Refusals tiny{{"abc", "(1)"}, {}};
  EXPECT_EQ(std::string(BuildUniqName("abc", 3, AcceptUnlessRefused, &tiny)), "(2)");
  Refusals free{{}, {}};
  EXPECT_EQ(std::string(BuildUniqName("far too long a base", 4, AcceptUnlessRefused, &free)),
            "far too long a base");
}

#if !defined(_WIN32)
TEST(OleUser, BracketsTheThreadsComponentServices) {
  const int before = corekit::platform::ComponentServicesDepth();
  {
    TOleUser outer;
    EXPECT_EQ(corekit::platform::ComponentServicesDepth(), before + 1);
    TOleUser inner;
    inner = outer;
    EXPECT_EQ(corekit::platform::ComponentServicesDepth(), before + 2);
  }
  EXPECT_EQ(corekit::platform::ComponentServicesDepth(), before);
}
#endif

}  // namespace
