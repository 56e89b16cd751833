#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/SavedGameBuilder.h"

#include <benchmark/benchmark.h>

// A long game: 1,000 seasons of 34 units each, with an order line per unit.
// Both measure the document alone: the picture is read from its own file
// and is left out here.
static const savedgame::FullGameShape kLongGame{.seasons = 1000, .units = 34};

static void BM_SaveGame1000(benchmark::State& state)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    savedgame::FillFullGame(doc, kLongGame);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string saved = doc.WriteDocument();
        bytes = saved.size();
        benchmark::DoNotOptimize(saved.data());
    }
    state.counters["file_bytes"] = double(bytes);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_SaveGame1000)->Unit(benchmark::kMillisecond);

static void BM_OpenGame1000(benchmark::State& state)
{
    CRecordingServices services;
    CKestraneDoc source(services);
    savedgame::FillFullGame(source, kLongGame);
    const std::string saved = source.WriteDocument();
    for (auto _ : state) {
        CKestraneDoc doc(services);
        if (!doc.ReadDocument(saved))
            state.SkipWithError("the saved game did not read back");
        benchmark::DoNotOptimize(doc.m_seasons.size());
    }
    state.counters["file_bytes"] = double(saved.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(saved.size()));
}
BENCHMARK(BM_OpenGame1000)->Unit(benchmark::kMillisecond);
