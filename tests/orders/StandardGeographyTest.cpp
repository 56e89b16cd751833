// The standard board's geography as shipped: the board's counts, moves that
// go both ways, names the Judge's reading finds, and agreement with the map
// definition made from the same province table.
#include "model/KestraneDoc.h"
#include "orders/GameSteps.h"
#include "orders/JudgeWords.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace orders;

const Geography& Board()
{
    return ordertest::StandardGeography();
}

struct CountRow {
    const char* name;
    int expected;
    std::function<bool(const Province&)> counts;
};

class StandardBoardCounts : public ::testing::TestWithParam<CountRow> {};

TEST_P(StandardBoardCounts, AreTheBoards)
{
    EXPECT_EQ(std::count_if(Board().provinces.begin(), Board().provinces.end(), GetParam().counts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Standard, StandardBoardCounts,
    ::testing::Values(CountRow{"Provinces", 76, [](const Province&) { return true; }},
                      CountRow{"Seas", 19, [](const Province& p) { return p.terrain == Terrain::Sea; }},
                      CountRow{"Inland", 15, [](const Province& p) { return p.terrain == Terrain::Land; }},
                      CountRow{"Centres", 34, [](const Province& p) { return p.centre; }},
                      CountRow{"HomeCentres", 22, [](const Province& p) { return !p.home.empty(); }},
                      CountRow{"SplitCoasts", 3, [](const Province& p) { return !p.coasts.empty(); }},
                      CountRow{"TwoCoastsEach", 3, [](const Province& p) { return p.coasts.size() == 2; }},
                      CountRow{"Impassable", 1, [](const Province& p) { return p.army.empty() && p.fleet.empty(); }}),
    RowName());

TEST(StandardGeography, ArmyMovesGoBothWays)
{
    for (int p = 0; p < Board().Count(); ++p)
        for (int to : Board()[p].army) {
            const auto& back = Board()[to].army;
            EXPECT_NE(std::find(back.begin(), back.end(), p), back.end()) << Board()[p].Name() << " - " << Board()[to].Name();
        }
}

TEST(StandardGeography, FleetMovesGoBothWays)
{
    for (int p = 0; p < Board().Count(); ++p)
        for (const FleetSide& side : Board()[p].fleet)
            for (const Place& to : side.to) {
                const std::vector<Place>* back = Board().FleetMoves(to);
                ASSERT_NE(back, nullptr) << Board().PlaceName(to);
                EXPECT_NE(std::find(back->begin(), back->end(), Place{p, side.coast}), back->end())
                    << Board().PlaceName({p, side.coast}) << " - " << Board().PlaceName(to);
            }
}

TEST(StandardGeography, EveryNameReadsBackAsItsProvince)
{
    const judgewords::ProvinceNames names(Board());
    for (int p = 0; p < Board().Count(); ++p) {
        std::vector<std::string> written = Board()[p].names;
        written.push_back(Board()[p].shortName);
        for (const CoastSpot& spot : Board()[p].coasts)
            written.push_back(Board().ShortPlace({p, spot.coast}));
        for (const std::string& text : written) {
            const auto match = names.Read(text, 0);
            EXPECT_EQ(match.province, p) << text;
            EXPECT_EQ(match.end, text.size()) << text;
        }
    }
}

TEST(StandardGeography, AgreesWithTheMapDefinition)
{
    CRecordingServices services(std::string(KESTRANE_SOURCE_DIR) + "/data");
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
    for (int p = 0; p < Board().Count(); ++p) {
        std::string key;
        for (char c : Board()[p].Name())
            key += char(std::toupper(static_cast<unsigned char>(c)));
        if (Board()[p].army.empty() && Board()[p].fleet.empty())
            continue; // Switzerland is drawn but holds no unit
        EXPECT_TRUE(CKestraneDoc::LookupPosition(doc.m_provinces, key)) << key;
        EXPECT_EQ(Board()[p].centre, CKestraneDoc::LookupPosition(doc.m_supplyCentres, key).has_value()) << key;
        for (const CoastSpot& spot : Board()[p].coasts) {
            std::string coastKey = key;
            for (char c : CoastLetters(spot.coast))
                coastKey += char(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(CKestraneDoc::LookupPosition(doc.m_provinces, coastKey), (MapPos{spot.x, spot.y})) << coastKey;
        }
    }
}

} // namespace
