#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

/// The console report of every run, which also keeps each benchmark's median
/// real and CPU time per iteration (over its repetitions) under its name
/// ("BM_ImportYearInMemory/100"), and prints the table of ratios and goals
/// the benchmarks exist for.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0; // seconds per iteration
        double cpu = 0;
    };

    explicit CRatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    /// The median times of the benchmark so named (the middle repetition, or
    /// the mean of the middle two); nullopt when it did not run
    /// (left out by the filter, or stopped by an error).
    std::optional<Times> Find(const std::string& name) const;

    /// The ratio table; nothing when no benchmark ran.
    void PrintRatios(std::ostream& out) const;

private:
    // Every repetition's times, by benchmark name.
    std::map<std::string, std::vector<Times>> m_sums;
};
