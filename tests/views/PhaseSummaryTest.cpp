#include "model/KestraneDoc.h"
#include "support/KestrelGameTest.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/TempDir.h"
#include "views/OrdersLayout.h"
#include "views/PhaseSummary.h"

#include <gtest/gtest.h>

// Each power's centres, units and the builds or removals due, computed from
// the season, and where the summary goes in the orders text.

namespace {


std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(PhaseSummaryLine, CountsAndWhatIsDue)
{
    struct Row {
        const char* name;
        CPowerSummary power;
        const char* line;
    };
    const Row rows[] = {
        {"Builds", {"Austria", 7, 5, 2}, "Austria: 7 supply centres, 5 units, builds 2"},
        {"Removes", {"GERMANY", 3, 4, -1}, "Germany: 3 supply centres, 4 units, removes 1"},
        {"Even", {"England", 4, 4, 0}, "England: 4 supply centres, 4 units"},
        {"Singular", {"france", 1, 1, 0}, "France: 1 supply centre, 1 unit"},
        {"NoCentres", {"TURKEY", 0, 2, -2}, "Turkey: 0 supply centres, 2 units, removes 2"},
        {"TwoWords", {"AUSTRIA-HUNGARY", 2, 0, 2}, "Austria-Hungary: 2 supply centres, 0 units, builds 2"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PowerSummaryLine(row.power), row.line) << row.name;
}

struct KindCase {
    const char* name;
    const char* season;
    bool adjustments;
};

class PhaseSummaryKinds : public testing::TestWithParam<KindCase> {};

TEST_P(PhaseSummaryKinds, BuildsDueOnlyBeforeAdjustments)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    doc.m_nCountries = 3;
    doc.m_countries = {CCountry("ENGLAND", 1, 1, 1), CCountry("FRANCE", 2, 2, 2), CCountry("ITALY", 3, 3, 3)};
    CSeasonHdr season(3);
    season.m_strSeason = GetParam().season;
    // England: three centres (one named twice) and one unit; France: one
    // centre and two units; Italy: out of the game.
    for (int x : {1, 2, 3, 3})
        season.m_centres[0].push_back(MapPos{x, 0});
    season.m_centres[1].push_back(MapPos{9, 0});
    season.m_units[0].push_back(CSeasonData{});
    season.m_units[1].resize(2);
    const int england = GetParam().adjustments ? 2 : 0;
    const int france = GetParam().adjustments ? -1 : 0;
    EXPECT_EQ(AdjustmentsFollow(season), GetParam().adjustments);
    EXPECT_EQ(SummarisePhase(doc, season),
              (std::vector<CPowerSummary>{{"ENGLAND", 3, 1, england}, {"FRANCE", 1, 2, france}}));

    // Without ownership there is nothing to sum up.
    season.m_centres[0].clear();
    season.m_centres[1].clear();
    EXPECT_TRUE(SummarisePhase(doc, season).empty());
    EXPECT_TRUE(PhaseSummaryLines(doc, &season).empty());
    EXPECT_TRUE(PhaseSummaryLines(doc, nullptr).empty());
}

INSTANTIATE_TEST_SUITE_P(Seasons, PhaseSummaryKinds,
                         testing::Values(KindCase{"FallMovement", "F1901M", true},
                                         KindCase{"FallRetreats", "F1901R", true},
                                         KindCase{"SpringMovement", "S1902M", false},
                                         KindCase{"SpringRetreats", "S1902R", false},
                                         KindCase{"Adjustments", "F1902B", false},
                                         KindCase{"Damaged", "F19", false}),
                         RowName());

class PhaseSummaryRealGame : public CKestrelGameTest {};

TEST_F(PhaseSummaryRealGame, KestrelAgreesWithTheJudgesTableAndRecord)
{

    int tables = 0;
    for (const auto& mail : kestrel::Mails()) {
        const std::string phase = kestrel::PhaseOf(mail);
        SCOPED_TRACE(mail.filename().string());
        const CSeasonHdr* season = phase == "start" ? doc.m_seasons.front().get() : doc.FindSeason(phase);
        ASSERT_TRUE(season);
        const std::vector<CPowerSummary> summary = SummarisePhase(doc, *season);
        const auto table = kestrel::CountTable(mail);
        if (table.empty()) {
            EXPECT_TRUE(summary.empty());
            continue;
        }
        ++tables;
        // The Judge's table lists every power still in the game.
        ASSERT_EQ(summary.size(), table.size());
        const auto truth = kestrel::Truth(phase);
        for (const CPowerSummary& power : summary) {
            const std::string name = Upper(power.name);
            SCOPED_TRACE(name);
            ASSERT_TRUE(table.count(name));
            EXPECT_EQ((kestrel::TableRow{power.centres, power.units, power.adjustment}), table.at(name));
            ASSERT_TRUE(truth.count(name));
            EXPECT_EQ((kestrel::PowerFigures{power.centres, power.units}), truth.at(name));
        }
    }
    EXPECT_GE(tables, 3); // one a game year
}

TEST(PhaseSummaryLayout, ScreenLinesFollowTheDislodgedUnits)
{
    CSeasonHdr season(7);
    season.m_orders = {"O1", "O2"};
    season.m_dislodged = {"D1"};
    const std::vector<std::string> summary{"S1", "S2"};
    EXPECT_EQ(LayoutScreenLines(&season, 10, summary),
              (std::vector<COrdersLine>{{0, "Orders"},
                                        {-10, "O1"},
                                        {-20, "O2"},
                                        {-30, "Units Dislodged"},
                                        {-40, "D1"},
                                        {-50, "Centres and Units"},
                                        {-60, "S1"},
                                        {-70, "S2"}}));
    season.m_dislodged.clear();
    EXPECT_EQ(LayoutScreenLines(&season, 10, summary),
              (std::vector<COrdersLine>{
                  {0, "Orders"}, {-10, "O1"}, {-20, "O2"}, {-30, "Centres and Units"}, {-40, "S1"}, {-50, "S2"}}));
    // Without a summary the text is as it always was.
    EXPECT_EQ(LayoutScreenLines(&season, 10, {}), LayoutScreenLines(&season, 10));
}

TEST(PhaseSummaryLayout, PagesLeaveTheHeadingWhereTheSectionBeforeEnds)
{
    CSeasonHdr season(7);
    for (int i = 1; i <= 4; ++i)
        season.m_orders.push_back("O" + std::to_string(i));
    const std::vector<std::string> summary{"S1", "S2", "S3"};
    auto texts = [&](int page) {
        std::vector<std::string> out;
        for (const COrdersLine& line : LayoutPage(&season, page, 4, 10, summary))
            out.push_back(line.text);
        return out;
    };
    EXPECT_EQ(texts(1), (std::vector<std::string>{"Orders", "O1", "O2", "O3", "O4", "Centres and Units"}));
    EXPECT_EQ(texts(2), (std::vector<std::string>{"Centres and Units", "S1", "S2", "S3"}));
    EXPECT_TRUE(texts(3).empty());
    EXPECT_EQ(LayoutPage(&season, 2, 4, 10, summary)[1], (COrdersLine{-10, "S1"}));
}

// Every order, dislodged and summary line is printed once, in order, within
// the counted pages and never more than L lines to a page.
TEST(PhaseSummaryLayout, EveryLinePrintedOnceWithinTheCountedPages)
{
    auto numbered = [](const char* prefix, int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i)
            lines.push_back(prefix + std::to_string(i));
        return lines;
    };
    for (int perPage : {1, 2, 3, 7, 50}) {
        for (int orders : {1, 2, 7, 8, 49, 50, 51}) {
            for (int dislodged : {0, 1, 6, 7}) {
                for (int summaryLines : {0, 1, 6, 7, 8}) {
                    CSeasonHdr season(7);
                    season.m_orders = numbered("O", orders);
                    season.m_dislodged = numbered("D", dislodged);
                    const std::vector<std::string> summary = numbered("S", summaryLines);
                    const int pages = PageCount(&season, perPage, summary);
                    std::vector<std::string> printed;
                    for (int page = 1; page <= pages + 2; ++page) {
                        const auto body = LayoutPage(&season, page, perPage, 10, summary);
                        int lines = 0;
                        for (const COrdersLine& line : body) {
                            if (line.text == kOrdersHeading || line.text == kDislodgedHeading ||
                                line.text == kSummaryHeading)
                                continue;
                            ++lines;
                            printed.push_back(line.text);
                        }
                        const std::string where = std::to_string(orders) + "/" + std::to_string(dislodged) + "/" +
                                                  std::to_string(summaryLines) + "/" + std::to_string(perPage) +
                                                  " p" + std::to_string(page);
                        ASSERT_LE(lines, perPage) << where;
                        if (page > pages) {
                            ASSERT_TRUE(body.empty()) << where;
                        }
                    }
                    std::vector<std::string> expected = season.m_orders;
                    expected.insert(expected.end(), season.m_dislodged.begin(), season.m_dislodged.end());
                    expected.insert(expected.end(), summary.begin(), summary.end());
                    ASSERT_EQ(printed, expected) << orders << "/" << dislodged << "/" << summaryLines << "/" << perPage;
                }
            }
        }
    }
}

} // namespace
