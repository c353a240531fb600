#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints Google Benchmark's usual table, then for each pair of a benchmark
// and its baseline (measured in the same run) the ratio of their throughputs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs of (benchmark name, baseline name), as Google Benchmark names runs.
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
        : ConsoleReporter(OO_None), pairs_(std::move(pairs))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [measured, baseline] : pairs_) {
            if (seconds_.count(measured) && seconds_.count(baseline)) {
                std::printf("ratio %s against %s (baseline time / time): %.3f\n", measured.c_str(), baseline.c_str(),
                            seconds_[baseline] / seconds_[measured]);
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
    std::map<std::string, double> seconds_;
};
