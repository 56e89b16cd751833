#include "SectionParserFixture.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace {

using namespace parsertest;

using Parser = void (CKestraneDoc::*)(CReportFile&, IImportMessages&);

// Lines glued from the words the three parsers react to, in random order and
// spacing (a fixed seed, so a failure repeats). Whatever a damaged report
// holds, no parser may crash, hang or file a unit the province table does not
// place where the unit is drawn.
TEST(SectionParsers, ArbitraryLinesNeverFileAUnitOffTheTable)
{
    const char* words[] = {"Austria:", "England:", "New Zealand:", "Army", "Fleet", "->", "-", ">", ".", ",",
                           "Vienna", "Spain", "(south coast)", "North Sea", "SUPPORT", "CONVOY", "NO CONVOY",
                           "HOLD", "PROXY", "No Order Processed", "DISLODGED", "BOUNCE", "VOID", "DISBAND",
                           "*bounce, destroyed*", "Builds", "Removes", "Defaults,", "the", "in", "an", "WAIVED",
                           "\t", "\xFF", "\xC3\xA9", "Ownership", "--", "\r", "The deadline for"};
    const struct {
        std::string season;
        Parser parse;
    } parsers[] = {{"F1901M", &CKestraneDoc::ParseMovementResults},
                   {"F1901R", &CKestraneDoc::ParseRetreatOrders},
                   {"F1901B", &CKestraneDoc::ParseAdjustmentOrders}};
    std::mt19937 random(1901);
    for (int round = 0; round < 900; ++round) {
        const auto& parser = parsers[round % 3];
        CParserGame game;
        CSeasonHdr& movement =
            game.AddSeason("F1901M", {{Austria, {"A VIENNA", "F SPAINSC"}}, {England, {"F NORTH SEA"}}});
        CSeasonHdr& season = parser.season == movement.m_strSeason ? movement : game.AddSeason(parser.season);
        std::vector<std::string> lines(6);
        for (std::string& line : lines)
            for (unsigned w = random() % 10; w > 0; --w)
                line += std::string(words[random() % std::size(words)]) + (random() % 2 ? " " : "");
        CReportFile file = Report(lines);
        (game.doc.*parser.parse)(file, game.services);
        // Once more into the movement season, which is then its own base.
        game.Show("F1901M");
        file.Seek(0);
        (game.doc.*parser.parse)(file, game.services);

        for (const CSeasonHdr* filed : {&movement, &season})
            for (int country = 0; country < kMaxCountries; ++country)
                for (const CSeasonData& unit : filed->m_units[size_t(country)]) {
                    const auto pos = game.doc.m_provinces.Lookup(unit.m_strProvince);
                    ASSERT_TRUE(pos) << "round " << round << ": " << unit.m_strProvince;
                    ASSERT_EQ(unit.m_pos, *pos) << "round " << round;
                }
    }
}

} // namespace
