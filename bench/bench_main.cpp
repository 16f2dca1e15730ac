// Runs the benchmarks and prints one table: each case's corekit time beside its peer's, their
// ratio and the goal. Benchmarks are named "<case>/corekit" and "<case>/peer", with an argument
// after them for the growth runs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_setup.h"

namespace {

// The goal of each case: the most corekit may take, as a multiple of its peer's time.
const std::map<std::string, double> Goals = {
    {"GpsTimeSet", 1.0},         {"GpsTimeGetDate", 1.0},      {"TimeMsAsString", 3.0},
    {"TranslateTextHit", 2.5},   {"TranslateVsGettext", 0.5},  {"DictionaryLoad", 1.5},
    {"MemoryStream16MiB", 2.0},
    {"BufferedFileStream16MiB", 1.2}, {"Deliver1000", 1.5},    {"SplitPath", 1.0},
    {"GpsMinusUtc", 0.5},        {"WeekResolve", 1.2},         {"ScaleConvert", 1.2},
    {"SerialPortWatch", 0.1},    {"DictMerge", 0.5},           {"ComPortRead16MiB", 1.1},
};

struct Row {
  double corekit = -1;
  double peer = -1;
};

std::string Shorter(const std::string& name, std::string& side) {
  // "<case>/<side>[/<arg>...]"
  const std::size_t slash = name.find('/');
  if (slash == std::string::npos) return name;
  const std::size_t next = name.find('/', slash + 1);
  side = name.substr(slash + 1, next == std::string::npos ? std::string::npos : next - slash - 1);
  return name.substr(0, slash) + (next == std::string::npos ? "" : name.substr(next));
}

class TableReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      std::string side;
      const std::string name = Shorter(run.benchmark_name(), side);
      const double nanoseconds = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                                 benchmark::GetTimeUnitMultiplier(run.time_unit);
      Row& row = m_rows[name];
      if (side == "corekit") row.corekit = nanoseconds;
      if (side == "peer") row.peer = nanoseconds;
      if (m_order.empty() || m_order.back() != name) {
        bool seen = false;
        for (const std::string& known : m_order) seen = seen || known == name;
        if (!seen) m_order.push_back(name);
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %8s  %s\n", "case", "corekit (ns)", "peer (ns)", "ratio", "goal");
    for (const std::string& name : m_order) {
      const Row& row = m_rows[name];
      char peer[32] = "-";
      char ratio[16] = "-";
      char goalText[32] = "";
      if (row.peer > 0) std::snprintf(peer, sizeof peer, "%.1f", row.peer);
      if (row.corekit >= 0 && row.peer > 0) std::snprintf(ratio, sizeof ratio, "%.2f", row.corekit / row.peer);
      // Growth runs carry their own names; the goals belong to the headline cases.
      const auto goal = Goals.find(name.substr(0, name.find('/')));
      if (goal != Goals.end()) {
        const bool met = row.peer > 0 && row.corekit >= 0 && row.corekit / row.peer <= goal->second;
        std::snprintf(goalText, sizeof goalText, "%.1f %s", goal->second, met ? "met" : "MISSED");
      }
      std::printf("%-40s %14.1f %14s %8s  %s\n", name.c_str(), row.corekit, peer, ratio, goalText);
    }
  }

private:
  std::map<std::string, Row> m_rows;
  std::vector<std::string> m_order;
};

}  // namespace

int main(int argc, char** argv) {
  SetUpBenchmarks(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
