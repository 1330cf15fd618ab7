// How the content checker's report grows with its findings: a world file of
// nothing but wrong lines gives millions of them, and listing them must stay
// n log n.
//
//   CheckerReport/N   N findings over a few files, one in eight a repeat, sorted
//                     and printed as text()

#include <benchmark/benchmark.h>

#include <string>

#include "report.h"

namespace {

using orrowvale::check::Report;

void CheckerReport(benchmark::State& state) {
    const auto findings = static_cast<int>(state.range(0));
    Report report;
    for (int i = 0; i < findings; ++i) {
        const int line = i % 8 == 7 ? i - 1 : i;  // every eighth repeats the one before
        report.warning("data/scenario/scenario" + std::to_string(line % 3) + ".scn", line,
                       "\"-opt-\" does not belong here: the line is ignored");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(report.text());
    state.SetComplexityN(findings);
}
BENCHMARK(CheckerReport)
    ->RangeMultiplier(8)
    ->Range(1 << 12, 1 << 21)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

}  // namespace
