// The phase due, the retreats offered and the moves reachable, worked out
// from each real game imported mail by mail, against what the Judge did.
#include "orders/GameSteps.h"
#include "orders/Moves.h"
#include "orders/ResultLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using namespace orders;

const std::vector<ordertest::GameStep>& Steps(const std::string& game)
{
    static std::map<std::string, std::vector<ordertest::GameStep>> imported;
    if (!imported.count(game))
        imported[game] = ordertest::ImportSteps(game);
    return imported[game];
}

class JudgeGamePhases : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        if (Steps(GetParam()).empty())
            GTEST_SKIP() << "judge-games/" << GetParam() << " is not there";
    }
};

TEST_P(JudgeGamePhases, PhaseDueIsTheJudgesNextPhase)
{
    for (const ordertest::GameStep& step : Steps(GetParam())) {
        ASSERT_TRUE(step.due.position) << step.mail << ": " << step.due.problem;
        EXPECT_EQ(step.due.position->phase.Name(), step.truth.value("next_phase", "")) << step.mail;
    }
}

TEST_P(JudgeGamePhases, RetreatsAreTheJudgesLists)
{
    const Geography& geography = ordertest::StandardGeography();
    int dislodged = 0;
    for (const ordertest::GameStep& step : Steps(GetParam())) {
        const Position& position = *step.due.position;
        for (const auto& unit : step.truth.value("dislodged", nlohmann::json::array())) {
            ++dislodged;
            const auto province = geography.FindName(unit.value("name", ""));
            ASSERT_TRUE(province) << step.mail;
            const int index = position.DislodgedAt(*province);
            ASSERT_GE(index, 0) << step.mail << ": " << unit.value("name", "");
            std::vector<std::string> offered;
            for (const Place& place : position.units[size_t(index)].retreats)
                offered.push_back(geography[place.province].Name());
            EXPECT_EQ(offered, unit.value("retreat_options", std::vector<std::string>())) << step.mail;
        }
    }
    EXPECT_GT(dislodged, 0);
}

TEST_P(JudgeGamePhases, EverySuccessfulMoveWasReachable)
{
    const Geography& geography = ordertest::StandardGeography();
    const auto& steps = Steps(GetParam());
    int moves = 0;
    int convoyed = 0;
    for (size_t i = 1; i < steps.size(); ++i) {
        const Position& before = *steps[i - 1].due.position;
        if (before.phase.kind != PhaseKind::Movement)
            continue;
        for (const std::string& line : steps[i].orderLines) {
            const auto result = ReadResultLine(geography, line);
            if (!result || !result->move || !result->note.empty())
                continue;
            const int unit = before.UnitAt(result->from.province);
            ASSERT_GE(unit, 0) << steps[i].mail << ": " << line;
            const std::vector<Place> reachable = ReachablePlaces(geography, before, unit);
            EXPECT_NE(std::find(reachable.begin(), reachable.end(), result->to), reachable.end())
                << steps[i].mail << ": " << line;
            ++moves;
            convoyed += result->route.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(moves, 40);
    EXPECT_GT(convoyed, 0);
}

INSTANTIATE_TEST_SUITE_P(RealGames, JudgeGamePhases, ::testing::Values("kestrel", "kestrel-2003"),
                         [](const auto& info) { return info.param == "kestrel" ? "Kestrel" : "Kestrel2003"; });

} // namespace
