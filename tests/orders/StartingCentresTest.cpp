#include "orders/GameSteps.h"
#include "orders/StartingCentres.h"
#include "support/KestrelGameTest.h"
#include "support/StandardBoardGame.h"

#include <gtest/gtest.h>

#include <cctype>

// The centres each power holds when the game starts: the board's home
// centres, or the units of the game-start season on a board without its
// geography.

namespace {

using orders::GameStartCentres;

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

struct StartRow {
    const char* name;
    bool geography;
    bool startFiled;
    bool known;
};

class GameStartCentresKestrel : public CKestrelGameTest, public testing::WithParamInterface<StartRow> {};

TEST_P(GameStartCentresKestrel, AreTheJudgesFirstOwners)
{
    const StartRow& row = GetParam();
    if (!row.startFiled)
        doc.m_seasons.pop_front();
    const auto start = GameStartCentres(doc, row.geography ? &ordertest::StandardGeography() : nullptr);
    ASSERT_EQ(start.has_value(), row.known);
    if (!row.known)
        return;
    EXPECT_EQ(start->season, row.startFiled ? "S1900M" : "");
    // The Judge records the fall's new owners only after the retreats, so
    // its record of F1901M still holds the owners it started with.
    const auto owners = kestrel::Truth("F1901M");
    ASSERT_EQ(start->centres.size(), 7u);
    for (size_t c = 0; c < start->centres.size(); ++c) {
        const auto it = owners.find(Upper(doc.m_countries[c].m_strName));
        ASSERT_NE(it, owners.end()) << doc.m_countries[c].m_strName;
        EXPECT_EQ(start->centres[c], it->second.centres) << doc.m_countries[c].m_strName;
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, GameStartCentresKestrel,
                         testing::Values(StartRow{"HomeCentresOfTheBoard", true, true, true},
                                         StartRow{"UnitsOfTheGameStart", false, true, true},
                                         StartRow{"HomeCentresWithoutTheStartFiled", true, false, true},
                                         StartRow{"NeitherKnown", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameStartCentres, BoardNamingNoneOfTheCountriesGivesNothing)
{
    CStandardBoardGame game;
    for (CCountry& country : game.doc.m_countries)
        country.m_strName = "NOWHERE";
    EXPECT_FALSE(GameStartCentres(game.doc, &ordertest::StandardGeography()));
}

} // namespace
