#include "judge/ReportFile.h"
#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

namespace {

// 300 order lines of every kind the movement parser tells apart, spread over
// the board's provinces and powers, as the line joiner leaves them.
std::string MovementBody(int lines)
{
    const auto& provinces = importboard::kProvinces;
    const size_t count = std::size(provinces);
    auto name = [&](size_t i) {
        std::string text(provinces[i % count]);
        for (size_t c = 1; c < text.size(); ++c)
            if (text[c - 1] != ' ' && text[c] >= 'A' && text[c] <= 'Z')
                text[c] = char(text[c] - 'A' + 'a');
        return text;
    };
    std::string body = "\n";
    for (int i = 0; i < lines; ++i) {
        std::string country(importboard::kCountries[size_t(i) % std::size(importboard::kCountries)]);
        std::string line = country.substr(0, 1) + std::string(country.begin() + 1, country.end()) + ": ";
        const size_t a = size_t(i) * 7, b = a + 3, c = a + 5;
        switch (i % 8) {
        case 0: line += "Army " + name(a) + " -> " + name(b) + "."; break;
        case 1: line += "Fleet " + name(a) + " SUPPORT Army " + name(b) + " -> " + name(c) + "."; break;
        case 2: line += "Army " + name(a) + " HOLD."; break;
        case 3: line += "Army " + name(a) + " -> " + name(b) + ".  (*bounce*)"; break;
        case 4: line += "Fleet " + name(a) + " CONVOY Army " + name(b) + " -> " + name(c) + "."; break;
        case 5: line += "Army " + name(a) + " -> " + name(b) + " -> " + name(c) + "."; break;
        case 6: line += "Army " + name(a) + " HOLD.  (*dislodged*)"; break;
        default: line += "Fleet " + name(a) + ", No Order Processed."; break;
        }
        body += line + "\n";
    }
    body += "\nThe next phase of 'bench' will be Retreats for Spring of 1901.\n";
    return body;
}

} // namespace

// The movement parser alone, on a report already joined and in memory.
static void BM_ParseMovementResults(benchmark::State& state)
{
    const std::string body = MovementBody(300);
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    for (auto _ : state) {
        auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
        season->m_strSeason = "S1901M";
        doc.m_seasons.clear();
        doc.m_posCurrent = doc.m_seasons.insert(doc.m_seasons.end(), std::move(season));
        CReportFile file(body);
        doc.ParseMovementResults(file, doc.Services());
        benchmark::DoNotOptimize(doc.m_seasons.front()->m_orders.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(body.size()));
    if (!services.messages.empty())
        state.SkipWithError(("unexpected message: " + services.messages.front().text).c_str());
}
BENCHMARK(BM_ParseMovementResults)->Unit(benchmark::kMicrosecond);
