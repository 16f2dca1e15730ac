#include "tools/time_text_options.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/gpstime/current_time.h"
#include "tools/now_command.h"

namespace {

using corekit::tool::Precision;
using corekit::tool::ResolveTextForm;
using corekit::tool::TextForm;
using corekit::tool::TextInputs;

// The tool's own run (check_tool.cmake) refuses --zone 721 and --ms with --ns.
TEST(ToolTimeTextOptions, ChecksModeZoneAndPrecision) {
  const struct {
    TextInputs in;
    bool ok;
    Precision precision;
    int mode;
    int zone;
  } cases[] = {
      {{}, true, Precision::Seconds, 3, 0},
      {{.mode = "0"}, true, Precision::Seconds, 0, 0},
      {{.mode = "4"}, true, Precision::Seconds, 4, 0},
      {{.mode = "5"}, false, Precision::Seconds, 0, 0},
      {{.mode = "-1"}, false, Precision::Seconds, 0, 0},
      {{.mode = "3x"}, false, Precision::Seconds, 0, 0},
      {{.zone = "local"}, true, Precision::Seconds, 3, 800},
      {{.zone = "800"}, true, Precision::Seconds, 3, 800},
      {{.zone = "-720"}, true, Precision::Seconds, 3, -720},
      {{.zone = "720"}, true, Precision::Seconds, 3, 720},
      {{.zone = "-721"}, false, Precision::Seconds, 0, 0},
      {{.zone = "799"}, false, Precision::Seconds, 0, 0},
      {{.zone = "-2147483649"}, false, Precision::Seconds, 0, 0},
      {{.milliseconds = true}, true, Precision::Milliseconds, 3, 0},
      {{.nanoseconds = true}, true, Precision::Nanoseconds, 3, 0},
      // The sub-second classes' time of day is fixed.
      {{.timeFormat = "HH", .nanoseconds = true}, false, Precision::Seconds, 0, 0},
      {{.dateFormat = "yyyy", .timeFormat = "HH"}, true, Precision::Seconds, 3, 0},
  };
  for (const auto& c : cases) {
    TextForm form;
    std::string error;
    const std::string label = c.in.mode.value_or("") + "/" + c.in.zone.value_or("");
    EXPECT_EQ(ResolveTextForm(c.in, form, error), c.ok) << label;
    EXPECT_EQ(error.empty(), c.ok) << label << ": " << error;
    if (!c.ok) continue;
    EXPECT_EQ(form.precision, c.precision) << label;
    EXPECT_EQ(form.mode, c.mode) << label;
    EXPECT_EQ(form.zone, c.zone) << label;
    EXPECT_EQ(form.dateFormat, c.in.dateFormat) << label;
    EXPECT_EQ(form.timeFormat, c.in.timeFormat) << label;
  }
}

TEST(ToolNowCommand, ReadsTheClock) {
  const TCurrentTime before;
  const corekit::tool::PreciseTime whole = corekit::tool::CurrentTime(Precision::Seconds);
  const corekit::tool::PreciseTime precise = corekit::tool::CurrentTime(Precision::Nanoseconds);
  const TCurrentTime after;
  ASSERT_TRUE(before.IsValid());
  EXPECT_TRUE(whole.time.Between(before, after));
  EXPECT_EQ(whole.nanoseconds, 0u);
  // The tool's own reading of the clock agrees with the library's to the second.
  EXPECT_TRUE(precise.time.Between(before, after));
  EXPECT_LT(precise.nanoseconds, 1000000000u);
}

}  // namespace
