// The plain memory work every drawing benchmark is measured against: a memset and a memcpy
// of one 930 × 479 frame of 32-bit pixels, run in the same process, and a reporter that
// prints each named run as a ratio of them. Timings on shared machines swing; ratios from one
// run are what we compare.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace frame_baseline {

inline constexpr int kFrameWidth = 930;
inline constexpr int kFrameHeight = 479;
inline constexpr int kFrameMs = 110;

inline std::vector<std::uint32_t>& Buffer(int which) {
  static std::vector<std::uint32_t> buffers[2] = {
      std::vector<std::uint32_t>(std::size_t(kFrameWidth) * kFrameHeight, 1),
      std::vector<std::uint32_t>(std::size_t(kFrameWidth) * kFrameHeight, 2)};
  return buffers[which];
}

inline void BM_MemsetFrame(benchmark::State& state) {
  auto& buffer = Buffer(0);
  int value = 0;
  for (auto _ : state) {
    std::memset(buffer.data(), ++value & 255, buffer.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}

inline void BM_MemcpyFrame(benchmark::State& state) {
  auto& from = Buffer(0);
  auto& to = Buffer(1);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

inline void RegisterBaseline() {
  benchmark::RegisterBenchmark("BM_MemsetFrame", BM_MemsetFrame)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_MemcpyFrame", BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);
}

// Prints the usual table, then the named runs against memset and memcpy of the same frame;
// `extra` may print more lines from the measured seconds.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using Seconds = std::function<double(const std::string&)>;
  RatioReporter(std::vector<std::string> names, std::function<void(const Seconds&)> extra = {})
      : names_(std::move(names)), extra_(std::move(extra)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
        seconds_[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double memset = SecondsOf("BM_MemsetFrame");
    const double memcpy = SecondsOf("BM_MemcpyFrame");
    if (memset <= 0 || memcpy <= 0) return;
    std::printf("\nOne %d x %d frame, relative to memset and memcpy of the same buffer:\n",
                kFrameWidth, kFrameHeight);
    for (const std::string& name : names_) {
      const double s = SecondsOf(name);
      if (s <= 0) continue;
      std::printf("  %-32s %8.1f us = %6.2f x memset %6.2f x memcpy  %5.2f %% of a %d ms frame\n",
                  name.c_str(), s * 1e6, s / memset, s / memcpy, 100.0 * s / (kFrameMs / 1000.0),
                  kFrameMs);
    }
    if (extra_) extra_([this](const std::string& name) { return SecondsOf(name); });
  }

 private:
  double SecondsOf(const std::string& name) const {
    auto it = seconds_.find(name);
    return it == seconds_.end() ? 0.0 : it->second;
  }
  std::vector<std::string> names_;
  std::function<void(const Seconds&)> extra_;
  std::map<std::string, double> seconds_;
};

// The main of a benchmark program: the baseline, then the program's own benchmarks, then the
// ratio table.
inline int RunWithRatios(int argc, char** argv, RatioReporter* reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace frame_baseline
