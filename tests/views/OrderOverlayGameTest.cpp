#include "model/KestraneDoc.h"
#include "support/RealGames.h"
#include "support/RecordingServices.h"
#include "views/OrderOverlay.h"
#include "views/OverlayGeometry.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

// The overlay of every season of the real Judge games, checked against the
// state the Judge itself recorded after each phase (truth/<PHASE>.json).

namespace {

namespace fs = std::filesystem;

const std::string kDataDir = std::string(KESTRANE_SOURCE_DIR) + "/data";

// A unit as the comparison needs it: "AUSTRIA ARMY VIENNA".
using UnitKey = std::string;

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

UnitKey Key(const std::string& country, bool fleet, const std::string& province)
{
    return Upper(country) + (fleet ? " FLEET " : " ARMY ") + province;
}

struct JudgeState {
    std::multiset<UnitKey> units;
    std::multiset<UnitKey> dislodged;
    // "COUNTRY PROVINCE" with the coast left off, for "no unit of that country here".
    std::set<std::string> occupied;
};

UnitKey TruthKey(const nlohmann::json& unit)
{
    std::string province = Upper(unit["name"].get<std::string>());
    if (unit["coast"].is_string())
        province += Upper(unit["coast"].get<std::string>());
    return Key(unit["power"].get<std::string>(), unit["type"] == "fleet", province);
}

JudgeState ReadTruth(const fs::path& file)
{
    std::ifstream in(file);
    const nlohmann::json json = nlohmann::json::parse(in);
    JudgeState state;
    for (const auto& unit : json["units"]) {
        state.units.insert(TruthKey(unit));
        state.occupied.insert(Upper(unit["power"].get<std::string>()) + " " + Upper(unit["name"].get<std::string>()));
    }
    for (const auto& unit : json["dislodged"])
        state.dislodged.insert(TruthKey(unit));
    return state;
}

// The province without glued coast letters, as the Judge's name field has it.
std::string WithoutCoast(const std::string& key)
{
    for (const char* coast : {"NC", "SC", "EC", "WC"})
        if (key.size() > 2 && key.ends_with(coast))
            return key.substr(0, key.size() - 2);
    return key;
}

struct GameRow {
    const char* game;
    // Seasons the game files (the start included) and marks of each kind over the whole game.
    size_t seasons;
    size_t failedMoves;
    size_t dislodged;
    size_t retreats;
    size_t disbands;
    size_t builds;
    size_t removals;
};

class OverlayOfRealGame : public ::testing::TestWithParam<GameRow> {
protected:
    void SetUp() override
    {
        folder = realgames::Folder(GetParam().game);
        if (folder.empty())
            GTEST_SKIP() << "no judge-games folder beside the source tree";
        ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
        realgames::ImportAll(doc, folder, temp);
        ASSERT_EQ(doc.m_seasons.size(), GetParam().seasons);
    }

    std::string CountryName(int country) const { return doc.m_countries.at(size_t(country)).m_strName; }
    UnitKey MarkUnit(const COverlayMark& mark, size_t point) const
    {
        return Key(CountryName(mark.country), mark.fleet, mark.provinces.at(point));
    }

    CRecordingServices services{kDataDir};
    CKestraneDoc doc{services};
    CTempDir temp;
    fs::path folder;
};

TEST_P(OverlayOfRealGame, EveryMarkAgreesWithTheJudgesRecord)
{
    std::map<std::string, size_t> counts;
    const CSeasonHdr* previous = nullptr;
    for (const auto& season : doc.m_seasons) {
        const std::string& name = season->m_strSeason;
        SCOPED_TRACE(name);
        const COrderOverlay overlay = BuildOrderOverlay(doc, *season);
        // The real mails name only provinces of the standard board.
        EXPECT_EQ(overlay.unplaced, std::vector<std::string>{});
        const fs::path truthFile = folder / "truth" / (name + ".json");
        if (!fs::exists(truthFile)) {
            // The game start: units listed, nothing moved.
            EXPECT_EQ(name, "S1900M");
            EXPECT_TRUE(overlay.marks.empty());
            previous = season.get();
            continue;
        }
        const JudgeState judge = ReadTruth(truthFile);
        const char phase = name.back();

        // After a movement every unit on the board is one the orders account
        // for: a successful move's destination or a unit that stayed.
        std::multiset<UnitKey> accounted;
        std::multiset<UnitKey> dislodged;
        for (const COverlayMark& mark : overlay.marks) {
            switch (mark.kind) {
            case OverlayMarkKind::Move:
                ASSERT_GE(mark.points.size(), 2u);
                ASSERT_EQ(mark.points.size(), mark.provinces.size());
                if (!mark.failed) {
                    EXPECT_EQ(judge.units.count(MarkUnit(mark, mark.provinces.size() - 1)), 1u)
                        << "moved to " << mark.provinces.back();
                    accounted.insert(MarkUnit(mark, mark.provinces.size() - 1));
                } else {
                    ++counts["failedMoves"];
                    if (judge.units.count(MarkUnit(mark, 0)))
                        accounted.insert(MarkUnit(mark, 0));
                }
                break;
            case OverlayMarkKind::Hold:
            case OverlayMarkKind::Support:
            case OverlayMarkKind::Convoy:
                if (judge.units.count(MarkUnit(mark, 0)))
                    accounted.insert(MarkUnit(mark, 0));
                break;
            case OverlayMarkKind::Dislodged:
                ++counts["dislodged"];
                dislodged.insert(MarkUnit(mark, 0));
                EXPECT_EQ(judge.units.count(MarkUnit(mark, 0)), 0u) << "still on the board";
                break;
            case OverlayMarkKind::Retreat:
                EXPECT_EQ(phase, 'R');
                if (!mark.failed) {
                    ++counts["retreats"];
                    EXPECT_EQ(judge.units.count(MarkUnit(mark, 1)), 1u) << "retreated to " << mark.provinces[1];
                }
                break;
            case OverlayMarkKind::Disband:
                EXPECT_EQ(phase, 'R');
                ++counts["disbands"];
                EXPECT_EQ(judge.occupied.count(Upper(CountryName(mark.country)) + " " + WithoutCoast(mark.provinces[0])),
                          0u);
                // Only a unit that the movement before dislodged can go.
                ASSERT_NE(previous, nullptr);
                EXPECT_TRUE(std::ranges::count(previous->m_dislodged, MarkUnit(mark, 0)) == 1)
                    << MarkUnit(mark, 0);
                break;
            case OverlayMarkKind::Build:
                EXPECT_EQ(phase, 'B');
                ++counts["builds"];
                EXPECT_EQ(judge.units.count(MarkUnit(mark, 0)), 1u) << "built in " << mark.provinces[0];
                break;
            case OverlayMarkKind::Remove:
                EXPECT_EQ(phase, 'B');
                ++counts["removals"];
                EXPECT_EQ(judge.occupied.count(Upper(CountryName(mark.country)) + " " + mark.provinces[0]), 0u)
                    << "removed from " << mark.provinces[0];
                break;
            }
        }
        if (phase == 'M') {
            EXPECT_EQ(accounted, judge.units);
            // The Judge keeps a dislodged unit only while it has somewhere to
            // go; every one it keeps is marked.
            for (const UnitKey& unit : judge.dislodged)
                EXPECT_EQ(dislodged.count(unit), 1u) << unit;
            EXPECT_EQ(dislodged, std::multiset<UnitKey>(season->m_dislodged.begin(), season->m_dislodged.end()));
        }
        if (phase == 'R') {
            // Every unit the movement dislodged and the Judge kept gets a retreat or a disband.
            size_t retreatsAndDisbands = 0;
            for (const COverlayMark& mark : overlay.marks)
                retreatsAndDisbands += mark.kind == OverlayMarkKind::Disband ||
                                       (mark.kind == OverlayMarkKind::Retreat && !mark.failed);
            ASSERT_NE(previous, nullptr);
            EXPECT_LE(retreatsAndDisbands, previous->m_dislodged.size());
        }
        previous = season.get();
    }
    const GameRow& row = GetParam();
    EXPECT_EQ(counts["failedMoves"], row.failedMoves);
    EXPECT_EQ(counts["dislodged"], row.dislodged);
    EXPECT_EQ(counts["retreats"], row.retreats);
    EXPECT_EQ(counts["disbands"], row.disbands);
    EXPECT_EQ(counts["builds"], row.builds);
    EXPECT_EQ(counts["removals"], row.removals);
}

// A retreat season's crosses (disbanded and destroyed units) sit on the
// dislodged units the overlay draws beside the units that took their
// provinces, never on a unit of the board.
TEST_P(OverlayOfRealGame, RetreatCrossesSitOnTheDislodgedUnits)
{
    size_t crosses = 0;
    for (const auto& season : doc.m_seasons) {
        if (season->m_strSeason.back() != 'R')
            continue;
        SCOPED_TRACE(season->m_strSeason);
        const COverlayShapes shapes = LayOutOverlay(BuildOrderOverlay(doc, *season), {}, {});
        for (const COverlayCross& cross : shapes.crosses) {
            ++crosses;
            for (const CUnitList& units : season->m_units)
                for (const CSeasonData& unit : units)
                    EXPECT_GT(std::hypot(cross.centre.x - unit.m_pos.x - 2, cross.centre.y - unit.m_pos.y - 2), 8)
                        << "on the unit in " << unit.m_strProvince;
            EXPECT_TRUE(std::ranges::any_of(shapes.units, [&](const COverlayUnit& ghost) {
                return cross.centre.x > ghost.topLeft.x && cross.centre.x < ghost.topLeft.x + ghost.width &&
                       cross.centre.y > ghost.topLeft.y && cross.centre.y < ghost.topLeft.y + ghost.height;
            }));
        }
    }
    EXPECT_EQ(crosses, GetParam().disbands);
}

// Counted from the mails by hand: "(*bounce*)" and "(*void*)" moves, the
// "(*dislodged*)" units, successful retreats, "DISBAND" and "(*bounce,
// destroyed*)" units, "Builds" and "Removes"/"removing" lines.
const GameRow kGames[] = {
    {"kestrel", 15, 9, 7, 4, 3, 17, 3},
    {"kestrel-2003", 14, 9, 6, 3, 3, 18, 4},
};

INSTANTIATE_TEST_SUITE_P(JudgeGames, OverlayOfRealGame, ::testing::ValuesIn(kGames),
                         [](const auto& info) {
                             std::string name = info.param.game;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
