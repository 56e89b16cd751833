// Every order line of the Judge's own verdicts (judge-orders) through the
// checker at the position it was written for: the same verdict, the same
// fault, the same orders in force as the Judge's status listing shows.
#include "orders/GameSteps.h"
#include "orders/OrderChecker.h"
#include "support/JudgeGameFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

using namespace orders;
namespace fs = std::filesystem;

fs::path Corpus()
{
    return fs::path(KESTRANE_SHARED_DIR) / "judge-orders";
}

struct FaultRow {
    const char* judgeSays; // a piece of the Judge's first message
    Fault fault;
};

// The Judge's messages by the fault they name; the first row found wins.
const std::vector<FaultRow> kFaultRows = {
    {"Unrecognized source province for support/convoy", Fault::UnknownUnitProvince},
    {"Unrecognized source province", Fault::UnknownProvince},
    {"Unrecognized province", Fault::UnknownProvince},
    {"to unrecognized province", Fault::UnknownDestination},
    {"present in", Fault::NoUnit},
    {"doesn't have a unit", Fault::NoUnit},
    {"to remove.", Fault::NoUnit},
    {"doesn't own the", Fault::NotYourUnit},
    {", not a", Fault::WrongUnitType},
    {"to support.", Fault::CannotSupportThere},
    {"can't get to", Fault::CannotReach},
    {"can't retreat to", Fault::NotARetreat},
    {"was not dislodged", Fault::NotDislodged},
    {"Invalid order for", Fault::InvalidOrder},
    {"can't convoy anything", Fault::ArmyCannotConvoy},
    {"can't convoy through", Fault::NoConvoyingFleet},
    {"cannot be convoyed", Fault::NotConvoyable},
    {"not permitted to build", Fault::NoBuildsDue},
    {"not permitted to remove", Fault::NoRemovalsDue},
    {"is not a supply centre", Fault::NotSupplyCentre},
    {"is not a home province", Fault::NotHomeCentre},
    {"does not control", Fault::CentreNotControlled},
    {"already has a unit present", Fault::CentreOccupied},
    {"Unit type must be specified", Fault::UnitTypeMissing},
    {"Invalid coast specified", Fault::FleetCannotBuildThere},
};

// The row of the Judge's first message, or -1.
int JudgeRow(const std::string& message)
{
    for (size_t i = 0; i < kFaultRows.size(); ++i)
        if (message.find(kFaultRows[i].judgeSays) != std::string::npos)
            return int(i);
    return -1;
}

// A status line as the Judge takes it back: no power, padding, note, final
// full stop or nationality.
std::string Bare(std::string line)
{
    if (const size_t colon = line.find(": "); colon != std::string::npos && colon < 30)
        line.erase(0, colon + 2);
    if (const size_t note = line.find(" (*"); note != std::string::npos)
        line.erase(note);
    std::string bare;
    for (char c : line)
        if (c != ' ' || (!bare.empty() && bare.back() != ' '))
            bare += c;
    while (!bare.empty() && (bare.back() == ' ' || bare.back() == '.'))
        bare.pop_back();
    for (const char* adjective : {"Austrian ", "English ", "French ", "German ", "Italian ", "Russian ", "Turkish "})
        for (const char* word : {"SUPPORT ", "CONVOY "})
            if (const size_t at = bare.find(std::string(word) + adjective); at != std::string::npos)
                bare.erase(at + std::string(word).size(), std::string(adjective).size());
    return bare;
}

// An adjustment as the Judge lists it.
std::string Listed(const Order& order, const Geography& geography)
{
    if (order.kind == OrderKind::Waive)
        return "Build waived";
    const std::string unit = order.unit == UnitType::Army ? "army" : "fleet";
    if (order.kind == OrderKind::Remove)
        return "Removes the " + unit + " in " + geography.NameInText(order.at.province);
    return "Builds " + std::string(order.unit == UnitType::Army ? "an " : "a ") + unit + " in " +
           geography.PlaceName(order.at);
}

struct Checked {
    int lines = 0;
    std::vector<std::string> wrongVerdicts;
    std::map<int, std::vector<std::string>> wrongFaults; // per row of kFaultRows: what we said instead
    std::map<int, int> refusals;                         // per row: how many the Judge made
    std::vector<std::string> wrongListings;
    std::map<std::string, std::vector<std::string>> canonical; // "S1902M-austria" -> case 01's orders in force
    std::map<std::string, std::vector<std::string>> echoed;    // the echo mail the Judge accepted back
};

const Checked& CheckCorpus()
{
    static const Checked checked = [] {
        Checked c;
        std::map<std::string, Position> positions;
        for (ordertest::GameStep& step : ordertest::ImportSteps("kestrel"))
            if (step.due.position)
                positions[step.truth.value("next_phase", "")] = *step.due.position;
        const Geography& geography = ordertest::StandardGeography();
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(Corpus()))
            if (entry.path().string().ends_with(".verdict.json"))
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::ifstream in(file);
            const nlohmann::json v = nlohmann::json::parse(in);
            const std::string where = file.stem().stem().string();
            const Position& position = positions.at(v["phase"]);
            const OrderChecker checker(geography, position, position.FindPower(v["power"].get<std::string>()));
            const auto orderLines = v["orders"].get<std::vector<std::string>>();
            const SetVerdict set = checker.CheckSet(orderLines);
            for (const auto& line : v["lines"]) {
                if (line["order"].is_null())
                    continue;
                ++c.lines;
                const LineVerdict& ours = set.lines.at(line["n"].get<size_t>() - 1);
                const bool refused = line["verdict"] == "refused";
                if (ours.Refused() != refused)
                    c.wrongVerdicts.push_back(where + ": " + line["order"].get<std::string>() +
                                              (refused ? " (Judge refused)" : " (Judge accepted)"));
                if (refused && ours.Refused()) {
                    const int row = JudgeRow(line["judge_text"].get<std::string>());
                    ++c.refusals[row];
                    if (row < 0 || ours.FirstFault()->fault != kFaultRows[size_t(row)].fault)
                        c.wrongFaults[row].push_back(where + ": " + line["order"].get<std::string>() + " -> " +
                                                     std::string(FaultName(ours.FirstFault()->fault)));
                }
            }
            // The whole listing: every unit's order, or every adjustment.
            std::vector<std::string> judge, ours;
            for (const auto& listed : v["status_listing"]) {
                const std::string bare = Bare(listed.get<std::string>());
                if (position.phase.kind != PhaseKind::Adjustment || bare.starts_with("Build") || bare.starts_with("Removes"))
                    judge.push_back(bare);
            }
            const int power = checker.Power();
            for (size_t i = 0; i < position.units.size(); ++i) {
                const Unit& unit = position.units[i];
                if (position.phase.kind == PhaseKind::Adjustment || unit.power != power ||
                    (position.phase.kind == PhaseKind::Retreat && !unit.dislodged))
                    continue;
                ours.push_back(set.unitOrders[i] ? WriteOrder(*set.unitOrders[i], geography)
                                                 : UnitWord(unit.type) + " " + geography.PlaceName(unit.at) +
                                                       ", No Order Processed" +
                                                       (unit.dislodged ? " (DISBAND)" : ""));
            }
            for (const Order& order : set.adjustments)
                ours.push_back(Listed(order, geography));
            std::sort(judge.begin(), judge.end());
            std::sort(ours.begin(), ours.end());
            if (judge != ours)
                c.wrongListings.push_back(where);
            const std::string point = v["phase"].get<std::string>() + "-" + v["power"].get<std::string>();
            const std::string kase = v["case"];
            if (kase.starts_with("01-")) {
                std::vector<std::string>& lines = c.canonical[point];
                for (const LineVerdict& line : set.lines)
                    for (const Order& order : line.OrdersInForce())
                        lines.push_back(WriteOrder(order, geography));
                std::sort(lines.begin(), lines.end());
            }
            // The printed lines sent back bare, the nationality left out when
            // the Judge had to be given them that way.
            // (The Judge reads no form of its adjustment lines back.)
            const bool bareEcho = (kase.ends_with("-echo-bare") || kase.ends_with("-echo-bare-disband")) &&
                                  position.phase.kind != PhaseKind::Adjustment;
            if ((bareEcho && !c.echoed.count(point)) || kase.ends_with("-echo-bare-no-adjective")) {
                std::vector<std::string> lines;
                for (const std::string& line : orderLines)
                    lines.push_back(Bare(line));
                std::sort(lines.begin(), lines.end());
                c.echoed[point] = lines;
            }
        }
        return c;
    }();
    return checked;
}

class JudgeCorpus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::is_directory(Corpus()) || !fs::is_directory(judgefiles::GameFolder("kestrel")))
            GTEST_SKIP() << "judge-orders or judge-games/kestrel is not there";
    }
};

TEST_F(JudgeCorpus, EveryLineGetsTheJudgesVerdict)
{
    const Checked& c = CheckCorpus();
    EXPECT_EQ(c.lines, 6498);
    EXPECT_TRUE(c.wrongVerdicts.empty()) << c.wrongVerdicts.size() << " lines, the first: " << c.wrongVerdicts.front();
}

TEST_F(JudgeCorpus, OrdersInForceAreTheJudgesListing)
{
    const Checked& c = CheckCorpus();
    EXPECT_TRUE(c.wrongListings.empty()) << c.wrongListings.size() << " mails, the first: " << c.wrongListings.front();
}

TEST_F(JudgeCorpus, LegalSetsComeBackInTheJudgesOwnForm)
{
    const Checked& c = CheckCorpus();
    int compared = 0;
    for (const auto& [point, echo] : c.echoed) {
        ASSERT_TRUE(c.canonical.count(point)) << point;
        EXPECT_EQ(c.canonical.at(point), echo) << point;
        ++compared;
    }
    EXPECT_GE(compared, 50);
}

TEST_F(JudgeCorpus, EveryRefusalHasAFaultKind)
{
    const Checked& c = CheckCorpus();
    EXPECT_FALSE(c.refusals.count(-1)) << c.wrongFaults.at(-1).front();
}

class JudgeRefusals : public JudgeCorpus, public ::testing::WithParamInterface<size_t> {};

TEST_P(JudgeRefusals, NameTheJudgesFault)
{
    const Checked& c = CheckCorpus();
    const int row = int(GetParam());
    EXPECT_TRUE(c.refusals.count(row)) << "the Judge never says \"" << kFaultRows[GetParam()].judgeSays << "\"";
    if (const auto wrong = c.wrongFaults.find(row); wrong != c.wrongFaults.end())
        ADD_FAILURE() << wrong->second.size() << " lines, the first: " << wrong->second.front();
}

INSTANTIATE_TEST_SUITE_P(ByFault, JudgeRefusals, ::testing::Range<size_t>(0, kFaultRows.size()), [](const auto& info) {
    std::string name;
    bool upper = true;
    for (char ch : FaultName(kFaultRows[info.param].fault)) {
        if (ch == '-') {
            upper = true;
            continue;
        }
        name += upper ? char(std::toupper(static_cast<unsigned char>(ch))) : ch;
        upper = false;
    }
    return name + std::to_string(info.index);
});

} // namespace
