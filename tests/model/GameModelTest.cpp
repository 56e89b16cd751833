#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

TEST(CountryColour, BlackBecomesDarkRed)
{
    const CCountry black("X", 0, 0, 0);
    EXPECT_EQ(black.m_nRed, 10);
    EXPECT_EQ(black.Colour(), 10u);
    const CCountry blue("Y", 0, 0, 255);
    EXPECT_EQ(blue.Colour(), 0xFF0000u);
    // Only the low bytes count.
    const CCountry wide("Z", 256 + 1, 512 + 2, 3);
    EXPECT_EQ(wide.Colour(), 0x030201u);
}

class GameModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.m_countries = {CCountry("A", 1, 1, 1), CCountry("B", 2, 2, 2)};
        doc.m_nCountries = 2;
    }
    CSeasonHdr& File(const std::string& name)
    {
        return importchecks::AddSeason(doc, name);
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
};

TEST_F(GameModel, UnitListNeedsASeasonOnShow)
{
    EXPECT_EQ(doc.GetUnitList(0), nullptr);
    CSeasonHdr& s = File("S1901M");
    s.m_units[1].emplace_back(CSeasonData::kFleet, MapPos{5, 6}, "NORTH SEA");
    ASSERT_NE(doc.GetUnitList(1), nullptr);
    EXPECT_EQ(doc.GetUnitList(1)->size(), 1u);
    EXPECT_TRUE(doc.GetUnitList(0)->empty());
    EXPECT_EQ(doc.GetUnitList(99), nullptr);
    EXPECT_EQ(doc.GetUnitList(-1), nullptr);
}

TEST_F(GameModel, CentreListIsNoneWhenEmpty)
{
    CSeasonHdr& s = File("S1901M");
    EXPECT_EQ(CKestraneDoc::GetCentreList(s, 0), nullptr);
    s.m_centres[0].push_back({1, 2});
    ASSERT_NE(CKestraneDoc::GetCentreList(s, 0), nullptr);
    EXPECT_EQ(CKestraneDoc::GetCentreList(s, 0)->front(), (MapPos{1, 2}));
}

TEST_F(GameModel, OwnershipSeasonWalksBackFromTheSeasonOnShow)
{
    EXPECT_EQ(doc.FindOwnershipSeason(), nullptr);
    CSeasonHdr& spring = File("S1901M");
    CSeasonHdr& fall = File("F1901M");
    File("F1901R");
    EXPECT_EQ(doc.FindOwnershipSeason(), nullptr);
    spring.m_centres[1].push_back({1, 1});
    EXPECT_EQ(doc.FindOwnershipSeason(), &spring);
    fall.m_centres[0].push_back({2, 2});
    EXPECT_EQ(doc.FindOwnershipSeason(), &fall);
    doc.OnFirstSeason();
    EXPECT_EQ(doc.FindOwnershipSeason(), &spring);
}

TEST_F(GameModel, OwnershipIgnoresCountriesBeyondTheCount)
{
    CSeasonHdr& s = File("S1901M");
    s.m_centres[5].push_back({1, 1});
    EXPECT_EQ(doc.FindOwnershipSeason(), nullptr);
}

TEST_F(GameModel, FindUnitTakesTheOneNearerTheHead)
{
    CUnitList units;
    units.emplace_back(CSeasonData::kArmy, MapPos{1, 1}, "PARIS");
    units.emplace_back(CSeasonData::kFleet, MapPos{2, 2}, "BREST");
    units.emplace_back(CSeasonData::kArmy, MapPos{3, 3}, "BREST");
    auto found = CKestraneDoc::FindUnit(units, "BREST");
    ASSERT_TRUE(found);
    EXPECT_EQ((*found)->m_pos, (MapPos{2, 2}));
    EXPECT_FALSE(CKestraneDoc::FindUnit(units, "brest"));
    EXPECT_FALSE(CKestraneDoc::FindUnit(units, "BRES"));
}

TEST_F(GameModel, DeleteContentsKeepsIdentityAndCounts)
{
    File("S1901M");
    doc.m_provinces.SetAt("X", {1, 1});
    doc.m_supplyCentres.SetAt("X", {1, 1});
    doc.m_strGame = "alpha";
    doc.DeleteContents();
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_FALSE(doc.HasCurrentSeason());
    EXPECT_TRUE(doc.m_provinces.IsEmpty());
    EXPECT_TRUE(doc.m_supplyCentres.IsEmpty());
    EXPECT_TRUE(doc.m_countries.empty());
    EXPECT_EQ(doc.m_nCountries, 2);
    EXPECT_EQ(doc.m_strGame, "alpha");
}

TEST(SeasonData, CopyFromCopiesEverything)
{
    const CSeasonData fleet(CSeasonData::kFleet, MapPos{7, 8}, "SPAINSC");
    CSeasonData copy;
    copy.CopyFrom(fleet);
    EXPECT_EQ(copy, fleet);
    EXPECT_TRUE(copy.IsFleet());
}

} // namespace
