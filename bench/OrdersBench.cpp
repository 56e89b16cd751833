#include "orders/GeographyFile.h"
#include "orders/OrderChecker.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orders;

const Geography& Board()
{
    static const Geography geography =
        std::move(*ReadGeography(CTempDir::Read(KESTRANE_BENCH_DATA_DIR "/Maps/Standard.geo")).geography);
    return geography;
}

// One power holding all 34 supply centres with a unit in each (a fleet
// where it can stand), and fleets in the four seas round Britain, so that
// an army in London has convoys to choose from.
const Position& FullBoard()
{
    static const Position position = [] {
        Position p;
        p.powers = {"Austria"};
        p.owner.assign(size_t(Board().Count()), -1);
        for (int i = 0; i < Board().Count(); ++i) {
            const Province& province = Board()[i];
            const bool sea = province.terrain == Terrain::Sea;
            if (!province.centre && !(sea && (province.Name() == "North Sea" || province.Name() == "English Channel" ||
                                              province.Name() == "Irish Sea" || province.Name() == "Norwegian Sea")))
                continue;
            p.owner[size_t(i)] = province.centre ? 0 : -1;
            const bool fleet = sea || (province.terrain == Terrain::Coast && i % 2 == 0);
            const Coast coast = province.coasts.empty() ? Coast::None : province.coasts.front().coast;
            p.units.push_back({0, fleet ? UnitType::Fleet : UnitType::Army, {i, fleet ? coast : Coast::None}, false, {}});
        }
        return p;
    }();
    return position;
}

// 34 orders for those units, a third each moves, supports to hold of a
// neighbour (where there is one) and holds, in the Judge's own form.
std::vector<std::string> FullSet(const OrderChecker& checker)
{
    const Position& position = checker.GetPosition();
    std::vector<std::string> lines;
    for (size_t i = 0; i < position.units.size() && lines.size() < 34; ++i) {
        const Unit& unit = position.units[i];
        const std::vector<Place> reach = checker.Reachable(unit.at.province);
        Order order{OrderKind::Hold, unit.type, unit.at, {}, {}, UnitType::Army, {}};
        if (i % 3 == 0 && !reach.empty()) {
            order.kind = OrderKind::Move;
            order.to = reach.front();
        } else if (i % 3 == 1) {
            // A support to hold of a neighbour.
            for (const Place& place : reach)
                if (const int other = position.UnitAt(place.province); other >= 0) {
                    order.kind = OrderKind::Support;
                    order.otherUnit = position.units[size_t(other)].type;
                    order.other = order.to = position.units[size_t(other)].at;
                    break;
                }
        }
        lines.push_back(WriteOrder(order, Board()));
    }
    while (lines.size() < 34)
        lines.push_back(lines[lines.size() % 8]);
    return lines;
}

} // namespace

// A click on a unit: the places it can go, lit on the map (an army in
// London, with its convoys through the fleets round Britain).
static void BM_ReachableForClick(benchmark::State& state)
{
    const OrderChecker checker(Board(), FullBoard(), 0);
    const int london = *Board().FindName("London");
    size_t places = 0;
    for (auto _ : state) {
        const std::vector<Place> reach = checker.Reachable(london);
        places = reach.size();
        benchmark::DoNotOptimize(reach.data());
    }
    state.counters["places"] = double(places);
}
BENCHMARK(BM_ReachableForClick);

// The orders pane after any change: a full set of 34 orders read and
// checked as the Judge will, with the units left without orders.
static void BM_CheckFullOrderSet(benchmark::State& state)
{
    const OrderChecker checker(Board(), FullBoard(), 0);
    const std::vector<std::string> lines = FullSet(checker);
    for (const std::string& line : lines) {
        const LineVerdict verdict = checker.CheckLine(line);
        if (const Finding* fault = verdict.FirstFault()) {
            state.SkipWithError((line + ": " + fault->reason).c_str());
            return;
        }
    }
    for (auto _ : state) {
        const SetVerdict verdict = checker.CheckSet(lines);
        if (verdict.AnyRefused())
            state.SkipWithError("the set has a refused line");
        benchmark::DoNotOptimize(verdict.lines.data());
    }
}
BENCHMARK(BM_CheckFullOrderSet);
