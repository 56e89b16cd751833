// Orders made by clicks and menu choices at real positions of the kestrel
// game, drafted as the Judge's lines, drawn over the board.
#include "model/PositionMap.h"
#include "orders/BoardPoints.h"
#include "orders/DraftLines.h"
#include "orders/DraftOverlay.h"
#include "orders/GameSteps.h"
#include "orders/OrderEntry.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace orders;
using ordertest::KestrelPositions;

struct EntryRow {
    const char* name;
    const char* phase;
    const char* power;
    /// "Vie" clicks that place; "Bud|Support..." takes that choice of the menu on it.
    std::vector<std::string> steps;
    std::vector<std::string> drafts;
};

class OrderEntryClicks : public ordertest::KestrelPositions, public ::testing::WithParamInterface<EntryRow> {};

TEST_P(OrderEntryClicks, DraftTheJudgesLines)
{
    const Geography& board = ordertest::StandardGeography();
    const OrderChecker checker = Checker(GetParam().phase, GetParam().power);
    OrderEntry entry(checker);
    std::vector<std::string> drafts;
    for (const std::string& step : GetParam().steps) {
        const size_t bar = step.find('|');
        const std::string where = step.substr(0, bar);
        const Place place{*board.FindShortName(where.substr(0, 3)),
                          where.size() > 4 ? *CoastFromLetters(where.substr(4)) : Coast::None};
        std::optional<Order> order;
        if (bar == std::string::npos) {
            order = entry.Click(place);
        } else {
            for (const EntryChoice& choice : entry.Choices(place))
                if (choice.label == step.substr(bar + 1))
                    order = entry.Choose(choice);
            EXPECT_FALSE(entry.Prompt().empty());
        }
        if (order)
            PutDraft(drafts, checker, *order);
    }
    EXPECT_EQ(drafts, GetParam().drafts);
    EXPECT_FALSE(checker.CheckSet(drafts).AnyRefused());
}

INSTANTIATE_TEST_SUITE_P(
    Kestrel, OrderEntryClicks,
    ::testing::Values(
        EntryRow{"Move", "S1901M", "Austria", {"Vie", "Tri"}, {"Army Vienna -> Trieste"}},
        EntryRow{"LastMoveReplacesTheFirst", "S1901M", "Austria", {"Vie", "Tri", "Vie", "Gal"}, {"Army Vienna -> Galicia"}},
        EntryRow{"UnreachableClickStartsOver", "S1901M", "Austria", {"Vie", "War", "Tri"}, {}},
        EntryRow{"SupportOfAMove", "S1901M", "Austria", {"Bud|Support...", "Vie", "Gal"},
                 {"Army Budapest SUPPORT Army Vienna -> Galicia"}},
        EntryRow{"SupportToHold", "S1901M", "Austria", {"Tri|Support...", "Vie", "Vie", "Vie|Support...", "Bud", "Bud"},
                 {"Army Vienna SUPPORT Army Budapest"}},
        EntryRow{"ConvoyAndTheArmyByItsRoute", "F1901M", "England", {"Nth|Convoy...", "Yor", "Nwy", "Yor", "Nwy"},
                 {"Fleet North Sea CONVOY Army Yorkshire -> Norway", "Army Yorkshire -> North Sea -> Norway"}},
        EntryRow{"Hold", "F1901M", "England", {"Eng|Hold"}, {"Fleet English Channel HOLD"}},
        EntryRow{"Retreat", "F1901R", "France", {"Bur", "Bel"}, {"Army Burgundy -> Belgium"}},
        EntryRow{"Disband", "F1901R", "France", {"Bur|Disband"}, {"Army Burgundy DISBAND"}},
        EntryRow{"BuildsWithACoast", "F1901B", "Russia", {"StP|Build a fleet (north coast)", "Mos"},
                 {"Build F StP/nc", "Build A Mos"}},
        EntryRow{"Removal", "F1902B", "Germany", {"Mun"}, {"Remove A Mun"}}),
    RowName());

TEST_F(KestrelPositions, EveryPlaceIsFoundWhereItsUnitStands)
{
    const Geography& board = ordertest::StandardGeography();
    const BoardPoints points(board, ordertest::StandardProvinceTable());
    std::set<std::string> found;
    ordertest::StandardProvinceTable().ForEach([&](const CPositionMap::Entry& entry) {
        // Names of the picture's table that the Judge does not read are no places.
        const std::optional<Place> place = board.FindKey(entry.key);
        if (!place || (place->coast == Coast::None && board.HasCoasts(place->province)))
            return;
        EXPECT_EQ(points.PlaceAt(entry.value, 2), place) << entry.key;
        EXPECT_EQ(points.PointOf(*place), entry.value) << entry.key;
        found.insert(board.ShortPlace(*place));
    });
    size_t places = 0;
    for (const Province& province : board.provinces) // a province no unit may enter has no place
        places += province.army.empty() && province.fleet.empty() ? 0 : std::max<size_t>(1, province.coasts.size());
    EXPECT_EQ(found.size(), places);
    EXPECT_EQ(points.PlaceAt({-500, -500}, 40), std::nullopt);
}

TEST_F(KestrelPositions, DraftsAreDrawnAsTheirOrdersInForce)
{
    const Geography& board = ordertest::StandardGeography();
    const OrderChecker england = Checker("F1901M", "England");
    const SetVerdict verdict = england.CheckSet({"A Yor-Nth-Nwy please", "F Nth C A Yor-Nwy", "A Lon-Mos"});
    const COrderOverlay overlay =
        BuildDraftOverlay(verdict, board, BoardPoints(board, ordertest::StandardProvinceTable()), 2);
    ASSERT_EQ(overlay.marks.size(), 2u);
    EXPECT_EQ(overlay.marks[0].provinces, (std::vector<std::string>{"Yor", "Nth", "Nwy"}));
    EXPECT_TRUE(overlay.marks[0].failed);
    EXPECT_EQ(overlay.marks[1].kind, OverlayMarkKind::Convoy);
    EXPECT_FALSE(overlay.marks[1].failed);
    EXPECT_EQ(LayOutDrafts(overlay, {}, {}).outlineColour, kDraftOutlineColour);
}

} // namespace
