#include "RatioReport.h"

#include <benchmark/benchmark.h>

#include <string>

// Both are the library's own, exported though its header does not declare
// them: the --benchmark_format flag, and the console options it derives from
// --benchmark_color and --benchmark_counters_tabular.
namespace benchmark {
extern std::string FLAGS_benchmark_format;
namespace internal {
ConsoleReporter::OutputOptions GetOutputOptions(bool force_no_color);
} // namespace internal
} // namespace benchmark

// Every bench/*.cpp registers its own benchmarks; this file runs those the
// flags select and then prints the ratio table. JSON or CSV output stays as
// the library writes it, without the table.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (benchmark::FLAGS_benchmark_format != "console") {
        benchmark::RunSpecifiedBenchmarks();
    } else {
        CRatioReporter reporter(benchmark::internal::GetOutputOptions(false));
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.PrintRatios(reporter.GetOutputStream());
    }
    benchmark::Shutdown();
    return 0;
}
