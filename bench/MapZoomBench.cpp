#include "GuiApplication.h"
#include "YearReports.h"
#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "qtdraw/GameAnimation.h"
#include "qtdraw/MapDrawing.h"
#include "support/RecordingServices.h"
#include "views/MapRenderer.h"
#include "views/SmoothScale.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <unistd.h>

// The map on a 4K screen with smooth zoom and the orders drawn, and the
// animation of a long game: both on the real standard board.

namespace {

void ImportText(CKestraneDoc& doc, const std::string& mail)
{
    CReportFile file(JoinReportText(doc, mail));
    doc.ImportReport(file, false, doc.Services());
}

// The standard board with the game start and years game years of five
// seasons each; the spring movement of the last year on show.
struct CStandardGame {
    explicit CStandardGame(int years)
    {
        if (!doc.OnNewDocument("Standard.map"))
            throw std::runtime_error("the standard board did not load");
        ImportText(doc, yearreports::GameStart());
        for (int n = 0; n < years; ++n)
            for (const std::string& mail : yearreports::Year(yearreports::kFirstYear + n))
                ImportText(doc, mail);
        for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end(); ++it)
            if ((*it)->m_strSeason.back() == 'M' && !(*it)->m_orders.empty())
                movement = it;
    }

    CRecordingServices services{KESTRANE_BENCH_DATA_DIR};
    CKestraneDoc doc{services};
    decltype(CKestraneDoc::m_posCurrent) movement;
};

} // namespace

// One repaint of a 3840 x 2160 window zoomed to fit with smooth zoom and the
// orders on: compose the season, scale it smoothly (the scaled bare board
// kept from the paint before), put it on the window and stroke the orders.
static void BM_ShowSeasonZoomed4K(benchmark::State& state)
{
    static CStandardGame game(2);
    game.doc.m_posCurrent = game.movement;
    const CDisplaySettings settings{1, 1, 1};
    const CMapDrawOptions options{true, true};
    CSmoothZoomCache cache;
    QImage window(3840, 2160, QImage::Format_RGB32);
    const QRect to(0, 0, 3840, 2160);
    // The window's first paint scales the bare board once; the rounds are
    // the repaints after it.
    {
        const CRgbImage picture = ComposeSeason(game.doc, settings, 96);
        QPainter painter(&window);
        DrawComposedMap(painter, to, picture, QRect(0, 0, picture.Width(), picture.Height()), game.doc, options,
                        &cache);
    }
    for (auto _ : state) {
        const CRgbImage picture = ComposeSeason(game.doc, settings, 96);
        QPainter painter(&window);
        DrawComposedMap(painter, to, picture, QRect(0, 0, picture.Width(), picture.Height()), game.doc, options,
                        &cache);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_ShowSeasonZoomed4K)->Unit(benchmark::kMillisecond);

// File, Export Animation of a game of 101 seasons (the start and 20 years):
// every frame composed with the orders, captioned and written as a GIF.
static void BM_AnimateHundredSeasons(benchmark::State& state)
{
    EnsureGuiApplication();
    static CStandardGame game(20);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kestrane-bench-" + std::to_string(::getpid()) + ".gif")).string();
    CAnimationRequest request;
    request.draw.orders = true;
    request.settings.m_bSCDisplay = 1;
    for (auto _ : state) {
        std::string error;
        if (WriteGameAnimation(game.doc, request, path, {}, error) != AnimationOutcome::Written)
            state.SkipWithError(error.c_str());
    }
    state.counters["seasons"] = double(game.doc.m_seasons.size());
    std::filesystem::remove(path);
}
BENCHMARK(BM_AnimateHundredSeasons)->Unit(benchmark::kMillisecond)->Iterations(1);
