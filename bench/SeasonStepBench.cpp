#include "GuiApplication.h"
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "model/KestraneDoc.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// A step through the seasons as a player holds Alt+Right: the real main
// window at 1600 x 1000 with every view on, showing the real game kestrel.

namespace {

// Everything a step redraws, done now rather than when the event loop gets
// to it: the map (composed, scaled smoothly, the orders over it), the orders
// pane, the Seasons panel, the titles and the commands' enabling.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

static void BM_StepSeasonInWindow(benchmark::State& state)
{
    if (!kestrel::Available()) {
        state.SkipWithError("no judge-games/kestrel beside the source tree");
        return;
    }
    EnsureGuiApplication();
    CKestrelSession opened({{"Settings/ZoomToFit", 1}, {"Settings/Initials", 1}, {"Settings/SCDisplay", 1},
                            {"Settings/SeasonsPanel", 1}, {"Settings/OrdersOnMap", 1}, {"Settings/SmoothZoom", 1},
                            {"Settings/WinLeft", 0}, {"Settings/WinTop", 0}, {"Settings/WinRight", 1600},
                            {"Settings/WinBottom", 1000}});
    auto& [app, doc] = opened;
    if (!doc) {
        state.SkipWithError("the standard board did not load");
        return;
    }
    app.Frame().resize(1600, 1000);
    app.Frame().ActiveFrame()->showMaximized();
    app.Run(Cmd::FirstSeason);
    Settle();
    for (auto _ : state) {
        // Forward to the latest season, then back to the first and on again.
        const bool atLatest = std::next(doc->m_posCurrent) == doc->m_seasons.end();
        app.Run(atLatest ? Cmd::FirstSeason : Cmd::NextSeason);
        Settle();
    }
    state.counters["seasons"] = double(doc->m_seasons.size());
}
BENCHMARK(BM_StepSeasonInWindow)->Unit(benchmark::kMillisecond);
