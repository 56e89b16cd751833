#include "mail/OrdersMail.h"
#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct UnitRow {
    int country;
    int type;
    std::string province;
};

// A game of ENGLAND and FRANCE with the given seasons; each season gets the
// units listed for it. The season on show is the first one.
std::unique_ptr<CKestraneDoc> MakeGame(CRecordingServices& services,
                                       const std::vector<std::vector<UnitRow>>& seasons)
{
    auto doc = std::make_unique<CKestraneDoc>(services);
    doc->m_countries = {CCountry("ENGLAND", 255, 0, 0), CCountry("FRANCE", 0, 0, 255)};
    doc->m_nCountries = 2;
    doc->m_strGame = "alpha";
    doc->m_strPassword = "secret";
    int year = 1901;
    for (const auto& units : seasons) {
        auto season = std::make_unique<CSeasonHdr>(2);
        season->m_strSeason = "S" + std::to_string(year++) + "M";
        for (const UnitRow& u : units)
            season->m_units[size_t(u.country)].emplace_back(u.type, MapPos{1, 2}, u.province);
        doc->m_seasons.push_back(std::move(season));
    }
    doc->m_posCurrent = doc->m_seasons.begin();
    return doc;
}

struct MailCase {
    const char* name;
    std::string country;
    std::string password;
    std::vector<std::vector<UnitRow>> seasons;
    std::string expected;
};

class OrdersMailText : public testing::TestWithParam<MailCase> {};

TEST_P(OrdersMailText, ComposesExactText)
{
    const MailCase& c = GetParam();
    CRecordingServices services;
    auto doc = MakeGame(services, c.seasons);
    doc->m_strMyCountry = c.country;
    doc->m_strPassword = c.password;

    ASSERT_TRUE(ComposeOrdersMail(*doc));
    EXPECT_EQ(doc->m_strMail, c.expected);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersMailText,
    testing::Values(
        MailCase{"FleetAndArmy", "ENGLAND", "secret",
                 {{{0, 1, "LON"}, {0, 0, "LVP"}, {1, 0, "PAR"}}},
                 "signon Ealpha secret\nF LON\nA LVP\nsignoff\n"},
        MailCase{"NoSeasonYet", "ENGLAND", "secret", {}, "signon Ealpha secret\nsignoff\n"},
        MailCase{"EmptyPasswordKeepsBlank", "FRANCE", "", {{{1, 0, "PAR"}}}, "signon Falpha \nA PAR\nsignoff\n"},
        MailCase{"LatestSeasonNotTheOneOnShow", "ENGLAND", "pw",
                 {{{0, 1, "LON"}}, {{0, 1, "NTH"}, {0, 0, "YOR"}}},
                 "signon Ealpha pw\nF NTH\nA YOR\nsignoff\n"},
        MailCase{"CountryWithoutUnits", "FRANCE", "pw", {{{0, 1, "LON"}}}, "signon Falpha pw\nsignoff\n"},
        MailCase{"CoastKeptAsStored", "FRANCE", "pw", {{{1, 1, "STPSC"}}}, "signon Falpha pw\nF STPSC\nsignoff\n"},
        MailCase{"OtherTypeIsArmy", "FRANCE", "pw", {{{1, 7, "BUR"}}}, "signon Falpha pw\nA BUR\nsignoff\n"},
        // The country match is exact: a lower-case name signs on but lists nothing.
        MailCase{"CaseSensitiveCountry", "england", "pw", {{{0, 1, "LON"}}}, "signon ealpha pw\nsignoff\n"},
        MailCase{"UnknownCountry", "ITALY", "pw", {{{0, 1, "LON"}}}, "signon Ialpha pw\nsignoff\n"}),
    RowName());

struct DraftCase {
    const char* name;
    std::vector<std::string> orders;
    std::string between; // the lines between signon and signoff
};

class OrdersMailDrafts : public testing::TestWithParam<DraftCase> {};

TEST_P(OrdersMailDrafts, CarriesTheDraftedLines)
{
    CRecordingServices services;
    auto doc = MakeGame(services, {{{0, 1, "LON"}, {0, 0, "LVP"}}});
    doc->m_strMyCountry = "ENGLAND";
    ASSERT_TRUE(ComposeOrdersMail(*doc, GetParam().orders));
    EXPECT_EQ(doc->m_strMail, "signon Ealpha secret\n" + GetParam().between + "signoff\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersMailDrafts,
    testing::Values(DraftCase{"OnePerLineTrimmed", {"Fleet London -> North Sea", " A Lvp H\t", ""},
                              "Fleet London -> North Sea\nA Lvp H\n"},
                    DraftCase{"LineBreaksSplit", {"A Lvp - Yor\r\nF Lon S A Lvp - Yor"}, "A Lvp - Yor\nF Lon S A Lvp - Yor\n"},
                    DraftCase{"Windows1252KeptAsBytes", {"Build A M\xFCnchen"}, "Build A M\xFCnchen\n"},
                    DraftCase{"OnlyBlankMeansUnits", {"", "  "}, "F LON\nA LVP\n"}),
    RowName());

TEST(OrdersMail, RefusesWithoutCountry)
{
    CRecordingServices services;
    auto doc = MakeGame(services, {{{0, 1, "LON"}}});
    doc->m_strMail = "previous";

    EXPECT_FALSE(ComposeOrdersMail(*doc));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Please tell me which country you are\nbefore sending a message");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(doc->m_strMail, "previous");
}

TEST(OrdersMail, ReplacesEarlierText)
{
    CRecordingServices services;
    auto doc = MakeGame(services, {});
    doc->m_strMyCountry = "ENGLAND";
    doc->m_strMail = "stale text\n";
    ASSERT_TRUE(ComposeOrdersMail(*doc));
    EXPECT_EQ(doc->m_strMail, "signon Ealpha secret\nsignoff\n");
}

TEST(OrdersMail, StoredCountBeyondCountriesReadsNothingOutside)
{
    // A damaged file may claim more countries than it holds; the search must
    // stay inside the country array.
    CRecordingServices services;
    auto doc = MakeGame(services, {{{1, 0, "PAR"}}});
    doc->m_nCountries = 50;
    doc->m_strMyCountry = "GERMANY";
    EXPECT_EQ(FindMyCountryIndex(*doc), -1);
    ASSERT_TRUE(ComposeOrdersMail(*doc));
    EXPECT_EQ(doc->m_strMail, "signon Galpha secret\nsignoff\n");
}

TEST(OrdersMail, FindsCountryIndexByExactName)
{
    CRecordingServices services;
    auto doc = MakeGame(services, {});
    doc->m_strMyCountry = "FRANCE";
    EXPECT_EQ(FindMyCountryIndex(*doc), 1);
    doc->m_strMyCountry = "FRANC";
    EXPECT_EQ(FindMyCountryIndex(*doc), -1);
}

} // namespace
