#include "HandBuiltGame.h"
#include "cli/SeasonReport.h"

#include <gtest/gtest.h>

namespace {

using handbuilt::Season;
using handbuilt::Unit;

std::unique_ptr<CKestraneDoc> TwoSeasonGame(CRecordingServices& services)
{
    auto doc = handbuilt::MakeDoc(
        services, {CCountry("ENGLAND", 255, 0, 0), CCountry("FRANCE", 0, 0, 255)},
        {
            Season{"S1901M", "Mon Jan 12 2004 23 30 -0500 ", {}, {}, {}, {{0, 12, 14}, {1, 32, 22}}},
            Season{"F1901M",
                   "Mon Feb 09 2004 23 30 -0500 ",
                   {"England: Fleet London -> North Sea.", "France: Army \"Paris\" HOLD."},
                   {"FRANCE ARMY PARIS"},
                   {Unit{0, true, "NORTH SEA", 20, 6}, Unit{0, false, "STPSC", 52, 14}},
                   {}},
        });
    doc->m_strJudge = "TEST";
    doc->m_strGame = "kt";
    doc->m_strVariant = "Standard ";
    doc->m_strMapName = "Test";
    doc->m_strMyCountry = "ENGLAND";
    doc->UpdateSeasonTitle();
    return doc;
}

TEST(SeasonReportJson, IsOneObjectWithIdentitySeasonAndCountries)
{
    CRecordingServices services;
    const auto doc = TwoSeasonGame(services);
    // F1901M holds no ownership, so the centres are those of S1901M, as the map draws them.
    EXPECT_EQ(SeasonReportJson(*doc),
              "{\"judge\":\"TEST\",\"game\":\"kt\",\"variant\":\"Standard \",\"map\":\"Test\","
              "\"my_country\":\"ENGLAND\",\"season\":\"F1901M\",\"deadline\":\"Mon Feb 09 2004 23 30 -0500 \","
              "\"title\":\"TEST kt Standard  F1901M Mon Feb 09 2004 23 30 -0500 \","
              "\"orders\":[\"England: Fleet London -> North Sea.\",\"France: Army \\\"Paris\\\" HOLD.\"],"
              "\"dislodged\":[\"FRANCE ARMY PARIS\"],"
              "\"countries\":[{\"name\":\"ENGLAND\",\"colour\":[255,0,0],\"units\":["
              "{\"type\":\"FLEET\",\"province\":\"NORTH SEA\",\"x\":20,\"y\":6},"
              "{\"type\":\"ARMY\",\"province\":\"STPSC\",\"x\":52,\"y\":14}],\"centres\":[[12,14]]},"
              "{\"name\":\"FRANCE\",\"colour\":[0,0,255],\"units\":[],\"centres\":[[32,22]]}]}\n");
}

TEST(SeasonReportJson, NoSeasonOnShowGivesNullsAndEmptyLists)
{
    CRecordingServices services;
    auto doc = handbuilt::MakeDoc(services, {CCountry("A", 1, 2, 3)}, {});
    doc->m_strMapName = "Test";
    doc->SetTitle("game.kes");
    doc->UpdateSeasonTitle();
    EXPECT_EQ(SeasonReportJson(*doc),
              "{\"judge\":\"\",\"game\":\"\",\"variant\":\"\",\"map\":\"Test\",\"my_country\":\"\","
              "\"season\":null,\"deadline\":null,\"title\":\"game.kes, Test\",\"orders\":[],\"dislodged\":[],"
              "\"countries\":[{\"name\":\"A\",\"colour\":[1,2,3],\"units\":[],\"centres\":[]}]}\n");
}

TEST(SeasonReportJson, CountryCountBeyondTheTableIsNotRead)
{
    CRecordingServices services;
    auto doc = handbuilt::MakeDoc(services, {CCountry("A", 1, 2, 3)}, {Season{"S1901M"}});
    // A damaged document claiming more countries than it stores.
    doc->m_nCountries = 5;
    const std::string json = SeasonReportJson(*doc);
    EXPECT_NE(json.find("\"countries\":[{\"name\":\"A\""), std::string::npos);
    EXPECT_EQ(json.find("},{\"name\""), std::string::npos);
}

} // namespace
