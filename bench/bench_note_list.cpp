// Listing a folder of 10,000 and of 20,000 notes with warm caches: a tenth of the notes carry
// an alarm file and a twentieth a companion, and a few sit in a sub-directory. The notes are
// created in shuffled order with spread-out times, so every order has sorting to do. Each case
// runs five times and the median counts. After the runs the growth from 10,000 to 20,000 notes
// is printed per order (linear growth is 2.0); the last line is the median growth of the four
// orders: the time for 20,000 notes as a ratio of its reference, the time for 10,000.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "alarms/AlarmFile.h"
#include "common/MemorySettingsStore.h"
#include "common/StringTable.h"
#include "library/NoteList.h"

namespace {

namespace fs = std::filesystem;
constexpr std::int64_t kNow = 1772445600;  // 2026-03-02 10:00 UTC

class FixedClock final : public qp::Clock {
 public:
  std::int64_t now() const override { return kNow; }
};

void writeFile(const fs::path& path, std::size_t bytes, std::int64_t unixSeconds) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  const std::vector<char> data(bytes, 0);
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
  const auto sys = std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds));
  fs::last_write_time(path, std::chrono::file_clock::from_sys(sys));
}

// The folder with count notes, made once per count and removed at exit.
const std::string& folderOf(int count) {
  static std::map<int, std::string> made;
  auto it = made.find(count);
  if (it != made.end()) {
    return it->second;
  }
  const fs::path folder = fs::temp_directory_path() / ("qp-bench-notes-" + std::to_string(count));
  fs::remove_all(folder);
  fs::create_directories(folder / "older");
  std::vector<int> order(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    order[static_cast<std::size_t>(i)] = i;
  }
  std::mt19937 random(12345);
  std::shuffle(order.begin(), order.end(), random);
  qp::AlarmRecord alarm;
  alarm.hour = 9;
  alarm.state = qp::AlarmState::Pending;
  for (int i : order) {
    const fs::path dir = i % 50 == 0 ? folder / "older" : folder;
    const std::string base = (i % 3 == 0 ? "QP_note " : "Memo ") + std::to_string(i);
    writeFile(dir / (base + ".wav"), 46, kNow - 86400 * 30 + (i * 7919) % 2000000);
    if (i % 10 == 0) {
      alarm.playOnDate = static_cast<std::int32_t>(kNow + 86400 * (1 + i % 40));
      qp::AlarmFile::save((dir / (base + ".alm")).string(), alarm);
    }
    if (i % 20 == 5) {
      writeFile(dir / (base + ".mp3"), 10, kNow);
    }
  }
  return made.emplace(count, folder.string()).first->second;
}

void BM_ListFolder(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto order = static_cast<qp::SortOrder>(state.range(1));
  const std::string& folder = folderOf(count);
  qp::MemorySettingsStore settings;
  const qp::StringTable strings(0x0409);
  FixedClock clock;
  qp::NoteList list(settings, strings, clock);
  list.load(folder, order);  // warm the caches and settle the alarm files
  for (auto _ : state) {
    list.load(folder, order);
    benchmark::DoNotOptimize(list.size());
  }
  state.counters["notes"] = static_cast<double>(list.size());
}
BENCHMARK(BM_ListFolder)
    ->ArgsProduct({{10000, 20000}, {0, 1, 2, 3}})
    ->ArgNames({"notes", "order"})
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Keeps each case's median time per iteration (a single run's when there are no repetitions),
// keyed by "BM_ListFolder/notes:N/order:O", to print the growth at the end.
class GrowthReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string key = run.run_name.function_name + "/" + run.run_name.args;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && medians_.count(key) == 0)) {
        times[key] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      }
      if (median) {
        medians_.insert(key);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, std::pair<double, double>> times;  // real, CPU (ms)

 private:
  std::set<std::string> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  GrowthReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const char* names[] = {"OldestFirst", "NewestFirst", "Alphabetical", "AlarmDate"};
  std::vector<double> growths;
  for (int order = 0; order < 4; ++order) {
    const std::string suffix = "/order:" + std::to_string(order);
    const auto small = reporter.times.find("BM_ListFolder/notes:10000" + suffix);
    const auto large = reporter.times.find("BM_ListFolder/notes:20000" + suffix);
    if (small == reporter.times.end() || large == reporter.times.end() ||
        small->second.first <= 0 || small->second.second <= 0) {
      continue;
    }
    const auto [realSmall, cpuSmall] = small->second;
    const auto [realLarge, cpuLarge] = large->second;
    std::printf(
        "%-12s 10,000 notes %.1f ms (CPU %.1f), 20,000 notes %.1f ms (CPU %.1f), growth "
        "%.2fx (CPU %.2fx)\n",
        names[order], realSmall, cpuSmall, realLarge, cpuLarge, realLarge / realSmall,
        cpuLarge / cpuSmall);
    growths.push_back(realLarge / realSmall);
  }
  for (int count : {10000, 20000}) {
    std::error_code ec;
    fs::remove_all(fs::temp_directory_path() / ("qp-bench-notes-" + std::to_string(count)), ec);
  }
  benchmark::Shutdown();
  if (!growths.empty()) {
    std::sort(growths.begin(), growths.end());
    const std::size_t mid = growths.size() / 2;
    const double median =
        growths.size() % 2 != 0 ? growths[mid] : (growths[mid - 1] + growths[mid]) / 2.0;
    std::printf("ratio 20,000 / 10,000 notes (median of the orders, linear is 2.00): %.2f\n",
                median);
  }
  return 0;
}
