#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"

#include <benchmark/benchmark.h>

#include <cstdio>

// Filing a century of seasons one after the other, as a game's imports do.
static void BM_FileSeasons100Years(benchmark::State& state)
{
    static const char* kPhases[] = {"S%04dM", "S%04dR", "F%04dM", "F%04dR", "F%04dB"};
    for (auto _ : state) {
        CRecordingServices services;
        CKestraneDoc doc(services);
        for (int year = 1901; year < 2001; ++year) {
            for (const char* phase : kPhases) {
                char name[16];
                std::snprintf(name, sizeof name, phase, year);
                auto season = std::make_unique<CSeasonHdr>(7);
                season->m_strSeason = name;
                doc.InsertSeason(std::move(season));
            }
        }
        benchmark::DoNotOptimize(doc.m_seasons.size());
    }
}
BENCHMARK(BM_FileSeasons100Years)->Unit(benchmark::kMillisecond);
