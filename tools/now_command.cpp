#include "tools/now_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdint>

#include "corekit/gpstime/current_time.h"

namespace corekit::tool {
namespace {

constexpr std::int64_t NanosecondsPerSecond = 1000000000;

// The system clock to the nanosecond: seconds since 1970 and the fraction.
PreciseTime PreciseClockReading() {
  const std::int64_t sinceUnixEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count();
  std::int64_t seconds = sinceUnixEpoch / NanosecondsPerSecond;
  std::int64_t nanoseconds = sinceUnixEpoch % NanosecondsPerSecond;
  if (nanoseconds < 0) {
    nanoseconds += NanosecondsPerSecond;
    --seconds;
  }
  seconds -= UnixSecondsAtGPSEpoch;
  if (seconds <= 0 || seconds > LastSeconds) return {};
  return {TGPSTime(static_cast<ULONG>(seconds)), static_cast<ULONG>(nanoseconds)};
}

class NowCommand final : public Command {
public:
  explicit NowCommand(CLI::App& app)
      : m_app(app.add_subcommand("now", "Print the current GPS time in all forms of 'time'")),
        m_text(*m_app) {
    m_app->footer(
        "The current time is the system clock's UTC reading; with --ms or --ns the clock is read "
        "to the nanosecond.");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    TextForm form;
    std::string error;
    if (!ResolveTextForm(m_text.Inputs(), form, error) || !m_text.LoadLeapFile(error)) {
      err << "corekit: now: " << error << '\n';
      return ExitUsage;
    }
    const PreciseTime now = CurrentTime(form.precision);
    if (!now.time.IsValid()) {
      err << "corekit: now: the system clock lies outside the GPS times 1980 to 2116\n";
      return ExitFailure;
    }
    out << FormatTime(now, form);
    return ExitOk;
  }

private:
  CLI::App* m_app;
  TimeTextOptions m_text;
};

}  // namespace

PreciseTime CurrentTime(Precision precision) {
  if (precision != Precision::Seconds) return PreciseClockReading();
  return {TCurrentTime(), 0};
}

std::unique_ptr<Command> AddNowCommand(CLI::App& app) { return std::make_unique<NowCommand>(app); }

}  // namespace corekit::tool
