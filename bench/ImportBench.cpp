#include "judge/ReportJoiner.h"
#include "model/FileBytes.h"
#include "model/KestraneDoc.h"
#include "model/SeasonHdr.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

// The whole import of a movement report from a file (the rewrite of its
// wrapped lines, the header and the parse) against merely reading the same
// file's bytes: the ratio is what the import costs over the disk.

namespace {

// A province name as the Judge prints it: capital initials.
std::string Printed(std::string_view key)
{
    std::string text(key);
    for (size_t i = 1; i < text.size(); ++i)
        if (text[i - 1] != ' ' && text[i - 1] != '-' && text[i] >= 'A' && text[i] <= 'Z')
            text[i] = char(text[i] - 'A' + 'a');
    return text;
}

// Exactly `lines` lines: the mail header, the section title, orders of every
// kind (when wrapped, every eighth on an indented second line and one
// centre list on two lines), the ownership block and the closing lines.
std::string MovementReport(size_t lines, bool wrapped)
{
    std::vector<std::string> out{":: Judge: USEF  Game: bench  Variant: Standard",
                                 ":: Deadline: F1901M Mon Jan 12 2004 23:30:00 -0500", "",
                                 "Movement results for Fall of 1901.  (bench.002)", ""};
    const std::vector<std::string> tail{"",
                                        "Ownership of supply centers:",
                                        "",
                                        "Austria:   Budapest, Serbia, Trieste, Venice, Vienna.",
                                        "England:   Edinburgh, Liverpool, London, Norway.",
                                        "Unowned:   Belgium, Bulgaria, Holland.",
                                        "",
                                        "Austria:   5 Supply centers,  3 Units:  Builds   2 units.",
                                        "The next phase of 'bench' will be Adjustments for Winter of 1901.",
                                        "The deadline for orders will be Mon Jan 19 2004 23:30:00 -0500."};
    const size_t provinces = std::size(importboard::kProvinces);
    for (size_t i = 0; out.size() + tail.size() < lines; ++i) {
        const std::string country = Printed(importboard::kCountries[i % std::size(importboard::kCountries)]);
        const std::string from = Printed(importboard::kProvinces[(i * 7) % provinces]);
        const std::string to = Printed(importboard::kProvinces[(i * 7 + 3) % provinces]);
        std::string order;
        switch (i % 6) {
        case 0: order = country + ": Army " + from + " -> " + to + "."; break;
        case 1: order = country + ": Fleet " + from + " SUPPORT Army " + to + " -> " + from + "."; break;
        case 2: order = country + ": Army " + from + " HOLD."; break;
        case 3: order = country + ": Army " + from + " -> " + to + ".  (*bounce*)"; break;
        case 4: order = country + ": Fleet " + from + " CONVOY Army " + to + " -> " + from + "."; break;
        default: order = country + ": Army " + from + ", No Order Processed."; break;
        }
        if (wrapped && i % 8 == 7 && out.size() + tail.size() + 1 < lines) {
            const size_t cut = order.rfind(' ');
            out.push_back(order.substr(0, cut));
            out.push_back("          " + order.substr(cut + 1));
        } else {
            out.push_back(order);
        }
    }
    out.insert(out.end(), tail.begin(), tail.end());
    std::string text;
    for (const std::string& line : out)
        text += line + "\n";
    return text;
}

struct CBenchFile {
    explicit CBenchFile(bool wrapped)
    {
        path = std::filesystem::temp_directory_path() / ("kestrane-bench-import-" + std::to_string(::getpid()));
        report = MovementReport(300, wrapped);
    }
    ~CBenchFile()
    {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    void Write() const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << report;
    }

    std::filesystem::path path;
    std::string report;
};

void BM_ImportMovementReport(benchmark::State& state)
{
    // A report without wrapped lines needs no joining: the import reads it
    // and never writes it.
    CBenchFile file(false);
    file.Write();
    size_t seasons = 0;
    size_t messages = 0;
    for (auto _ : state) {
        // A game takes a season once, so every round starts from a fresh game.
        state.PauseTiming();
        CRecordingServices services;
        auto doc = std::make_unique<CKestraneDoc>(services);
        importboard::FillStandardBoard(*doc);
        state.ResumeTiming();

        doc->OnImport(file.path.string());

        state.PauseTiming();
        seasons += doc->m_seasons.size();
        messages += services.messages.size();
        doc.reset();
        state.ResumeTiming();
    }
    if (seasons != size_t(state.iterations()) || messages != 0)
        state.SkipWithError("the report was not imported cleanly");
    else if (ReadFileBytes(file.path).bytes != file.report)
        state.SkipWithError("the report was rewritten");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.report.size()));
}
BENCHMARK(BM_ImportMovementReport)->Unit(benchmark::kMicrosecond);

// The share of the import that is the joiner's rewrite of the file alone.
void BM_JoinReportFile(benchmark::State& state)
{
    CBenchFile file(true);
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    bool joined = true;
    for (auto _ : state) {
        state.PauseTiming();
        file.Write();
        state.ResumeTiming();
        joined = JoinReportLines(doc, file.path) && joined;
    }
    if (!joined)
        state.SkipWithError("the report was not rewritten");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.report.size()));
}
BENCHMARK(BM_JoinReportFile)->Unit(benchmark::kMicrosecond);

// The floor of any import of that report: its order lines and units stored
// in a season as the document keeps them (a string per order line, a unit
// record per order in its country's list), without reading or parsing.
void BM_StoreReportSeason(benchmark::State& state)
{
    const std::string report = MovementReport(300, false);
    // The orders run from the line after the title's blank to the next blank.
    std::vector<std::string_view> orders;
    bool inOrders = false;
    for (size_t pos = 0, end; (end = report.find('\n', pos)) != std::string::npos; pos = end + 1) {
        const std::string_view line(report.data() + pos, end - pos);
        if (line.rfind("Movement results", 0) == 0)
            inOrders = true;
        else if (inOrders && !line.empty())
            orders.push_back(line);
        else if (inOrders && !orders.empty())
            break;
    }
    size_t stored = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto season = std::make_unique<CSeasonHdr>(int32_t(std::size(importboard::kCountries)));
        state.ResumeTiming();

        for (size_t i = 0; i < orders.size(); ++i) {
            season->m_orders.emplace_back(orders[i]);
            season->m_units[i % std::size(importboard::kCountries)].emplace_back(
                CSeasonData::kArmy, MapPos{}, std::string(importboard::kProvinces[i % std::size(importboard::kProvinces)]));
        }

        state.PauseTiming();
        stored += season->m_orders.size();
        season.reset();
        state.ResumeTiming();
    }
    if (orders.size() < 200 || stored != orders.size() * size_t(state.iterations()))
        state.SkipWithError("the report's orders were not stored");
}
BENCHMARK(BM_StoreReportSeason)->Unit(benchmark::kMicrosecond);

void BM_ReadReportBytes(benchmark::State& state)
{
    CBenchFile file(false);
    file.Write();
    std::string bytes;
    for (auto _ : state) {
        bytes = ReadFileBytes(file.path).bytes.value_or(std::string());
        benchmark::DoNotOptimize(bytes.data());
    }
    if (bytes != file.report)
        state.SkipWithError("the file did not read back");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.report.size()));
}
BENCHMARK(BM_ReadReportBytes)->Unit(benchmark::kMicrosecond);

} // namespace
