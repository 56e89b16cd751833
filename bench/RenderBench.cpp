#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "views/MapRenderer.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr int kBoardWidth = 1200;
constexpr int kBoardHeight = 1000;
constexpr int kUnits = 34;
constexpr int kCountries = 7;

void Put16(std::string& out, uint32_t v)
{
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An uncompressed 8-bit board file: land and sea in irregular bands with
// black borders, the kind of picture a map definition names.
std::string BoardFile()
{
    const int stride = (kBoardWidth + 3) & ~3;
    const uint32_t offset = 14 + 40 + 1024;
    std::string file;
    file += "BM";
    Put32(file, offset + uint32_t(stride * kBoardHeight));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, kBoardWidth);
    Put32(file, kBoardHeight);
    Put16(file, 1);
    Put16(file, 8);
    for (int i = 0; i < 6; ++i)
        Put32(file, 0);
    for (int i = 0; i < 256; ++i) {
        file += char(i == 0 ? 0 : 255 - i / 2); // blue
        file += char(i == 0 ? 0 : 128 + i / 2); // green
        file += char(i == 0 ? 0 : i);           // red
        file += char(0);
    }
    for (int row = 0; row < kBoardHeight; ++row)
        for (int x = 0; x < stride; ++x) {
            const int y = kBoardHeight - 1 - row;
            const bool border = (x + y / 3) % 97 == 0 || (y + x / 5) % 89 == 0;
            file += char(border ? 0 : 1 + ((x / 40 + y / 50) % 200));
        }
    return file;
}

// A seven-country game whose season on show has 34 units and 34 owned centres.
struct BenchGame {
    BenchGame()
    {
        std::istringstream in(BoardFile());
        if (!doc.m_dib.Load(in))
            throw std::runtime_error("bench board did not load");
        pristine = doc.m_dib;
        static const char* kNames[kCountries] = {"AUSTRIA", "ENGLAND", "FRANCE", "GERMANY", "ITALY", "RUSSIA",
                                                 "TURKEY"};
        for (int c = 0; c < kCountries; ++c)
            doc.m_countries.emplace_back(kNames[c], 40 * c, 255 - 30 * c, 60 + 25 * c);
        doc.m_nCountries = kCountries;
        doc.m_nSCRadius = 5;
        auto season = std::make_unique<CSeasonHdr>(kCountries);
        season->m_strSeason = "F1905M";
        for (int i = 0; i < kUnits; ++i) {
            const int country = i % kCountries;
            const int x = 40 + (i * 331) % (kBoardWidth - 80);
            const int y = 40 + (i * 197) % (kBoardHeight - 80);
            std::string province = "P";
            province += std::to_string(i);
            season->m_units[size_t(country)].push_back(
                CSeasonData(i % 3 == 0 ? CSeasonData::kFleet : CSeasonData::kArmy, {x, y}, province));
            season->m_centres[size_t(country)].push_back({x + 20, y + 20});
        }
        doc.InsertSeason(std::move(season));
    }

    /// The season on show composed on the board, as a repaint does it.
    CRgbImage Compose() const { return ComposeSeason(doc, CDisplaySettings{0, 1, 1}, 96); }

    /// A board copied alone into a picture of its size.
    static CRgbImage CopyBare(const CDIB& board)
    {
        CRgbImage picture(kBoardWidth, kBoardHeight, 0xFFFFFF);
        board.Draw(picture, 0, 0, kBoardWidth, kBoardHeight);
        return picture;
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
    CDIB pristine; // never drawn, so copies of it decode again
};

BenchGame& Game()
{
    static BenchGame game;
    return game;
}

} // namespace

// A repaint: the season composed on the (already decoded) board.
static void BM_ComposeSeason(benchmark::State& state)
{
    BenchGame& game = Game();
    for (auto _ : state)
        benchmark::DoNotOptimize(game.Compose().Pixels().data());
}
BENCHMARK(BM_ComposeSeason)->Unit(benchmark::kMillisecond);

// The same paint with nothing on the board: the floor the composition adds to.
static void BM_CopyBareBoard(benchmark::State& state)
{
    BenchGame& game = Game();
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchGame::CopyBare(game.doc.m_dib).Pixels().data());
}
BENCHMARK(BM_CopyBareBoard)->Unit(benchmark::kMillisecond);

// The first paint after loading, which also decodes the board's pixels.
static void BM_ComposeSeasonFreshDecode(benchmark::State& state)
{
    BenchGame& game = Game();
    for (auto _ : state) {
        game.doc.m_dib = game.pristine;
        benchmark::DoNotOptimize(game.Compose().Pixels().data());
    }
}
BENCHMARK(BM_ComposeSeasonFreshDecode)->Unit(benchmark::kMillisecond);

static void BM_CopyBareBoardFreshDecode(benchmark::State& state)
{
    BenchGame& game = Game();
    for (auto _ : state) {
        const CDIB dib = game.pristine;
        benchmark::DoNotOptimize(BenchGame::CopyBare(dib).Pixels().data());
    }
}
BENCHMARK(BM_CopyBareBoardFreshDecode)->Unit(benchmark::kMillisecond);
