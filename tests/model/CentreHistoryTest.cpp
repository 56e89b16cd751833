#include "model/CentreHistory.h"
#include "model/KestraneDoc.h"
#include "support/KestrelGameTest.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

// The supply-centre figures the chart and "kestrane-cli history" share:
// which seasons give a row, the counts, and the row of the season on show.

namespace {


// Two countries; a season owns centres when owned holds (country, x) pairs.
std::unique_ptr<CKestraneDoc> Game(CRecordingServices& services,
                                   const std::vector<std::pair<std::string, std::vector<std::pair<int, int>>>>& seasons)
{
    auto doc = std::make_unique<CKestraneDoc>(services);
    doc->m_nCountries = 2;
    doc->m_countries = {CCountry("ENGLAND", 255, 0, 0), CCountry("FRANCE", 0, 0, 255)};
    for (const auto& [name, owned] : seasons) {
        auto season = std::make_unique<CSeasonHdr>(2);
        season->m_strSeason = name;
        for (const auto& [country, x] : owned)
            season->m_centres[size_t(country)].push_back(MapPos{x, 7});
        doc->InsertSeason(std::move(season));
    }
    return doc;
}

TEST(CentreHistoryCounts, DistinctPositionsWithinTheSeasonsCountries)
{
    CRecordingServices services;
    auto doc = Game(services, {{"F1901M", {{0, 1}, {0, 2}, {0, 2}, {1, 3}}}});
    CSeasonHdr& season = *doc->m_seasons.front();
    struct Row {
        const char* name;
        int country;
        int count;
    };
    const Row rows[] = {{"NamedTwiceCountsOnce", 0, 2}, {"Second", 1, 1}, {"BeyondTheGame", 2, 0},
                        {"Negative", -1, 0},            {"FarBeyond", 98, 0}};
    for (const Row& row : rows)
        EXPECT_EQ(CentreCount(*doc, season, row.country), row.count) << row.name;
    EXPECT_TRUE(HoldsOwnership(*doc, season));

    // A record made for one country: its second list is not read.
    season.m_nCountries = 1;
    EXPECT_EQ(CentreCount(*doc, season, 1), 0);
    season.m_centres[0].clear();
    EXPECT_FALSE(HoldsOwnership(*doc, season));
}

TEST(CentreHistoryOnShow, RowOfTheOwnershipInForce)
{
    CRecordingServices services;
    auto doc = Game(services, {{"S1900M", {}},
                               {"S1901M", {}},
                               {"F1901M", {{0, 1}, {1, 2}}},
                               {"F1901B", {}},
                               {"S1902M", {}},
                               {"F1902R", {{0, 1}, {0, 2}, {1, 3}}},
                               {"F1902B", {}}});
    const CCentreHistory history = BuildCentreHistory(*doc);
    ASSERT_EQ(history.rows.size(), 2u);
    EXPECT_EQ(history.rows[1].centres, (std::vector<int>{2, 1}));
    struct Row {
        const char* onShow;
        std::optional<size_t> row;
    };
    const Row rows[] = {{"S1900M", std::nullopt}, {"S1901M", std::nullopt}, {"F1901M", 0}, {"F1901B", 0},
                        {"S1902M", 0},            {"F1902R", 1},            {"F1902B", 1}};
    for (const Row& row : rows) {
        ASSERT_TRUE(doc->ShowSeason(row.onShow));
        EXPECT_EQ(CentreHistoryRowOnShow(history, *doc), row.row) << row.onShow;
    }
    doc->m_posCurrent = doc->m_seasons.end();
    EXPECT_EQ(CentreHistoryRowOnShow(history, *doc), std::nullopt);
    // Figures of another game do not name the season.
    ASSERT_TRUE(doc->ShowSeason("F1902R"));
    EXPECT_EQ(CentreHistoryRowOnShow(CCentreHistory{}, *doc), std::nullopt);
}

bool ListsOwnership(const std::filesystem::path& mail)
{
    std::ifstream in(mail, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str().find("Ownership of supply centers:") != std::string::npos;
}

class CentreHistoryRealGame : public CKestrelGameTest {};

TEST_F(CentreHistoryRealGame, KestrelRowsAreTheJudgesOwnCounts)
{

    // A row for every mail that lists the ownership, in the mails' order.
    std::vector<std::string> owning;
    for (const auto& mail : kestrel::Mails())
        if (ListsOwnership(mail))
            owning.push_back(kestrel::PhaseOf(mail));
    const CCentreHistory history = BuildCentreHistory(doc);
    std::vector<std::string> rows;
    for (const auto& row : history.rows)
        rows.push_back(row.season);
    EXPECT_EQ(rows, owning);
    ASSERT_FALSE(rows.empty());

    ASSERT_EQ(history.countries.size(), 7u);
    for (const auto& row : history.rows) {
        SCOPED_TRACE(row.season);
        const auto truth = kestrel::Truth(row.season);
        ASSERT_FALSE(truth.empty());
        int total = 0;
        for (size_t c = 0; c < history.countries.size(); ++c) {
            std::string power = history.countries[c].name;
            for (char& ch : power)
                ch = char(std::toupper(static_cast<unsigned char>(ch)));
            const auto it = truth.find(power);
            EXPECT_EQ(row.centres[c], it == truth.end() ? 0 : it->second.centres) << power;
            total += row.centres[c];
        }
        EXPECT_LE(total, 34); // the standard board's centres
    }
}

} // namespace
