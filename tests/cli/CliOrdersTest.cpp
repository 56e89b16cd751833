// kestrane-cli orders on the sample year of the standard board (the phase
// due is Spring 1902 Movement), and on a board without a geography.
#include "CliFixture.h"
#include "support/RowName.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(KESTRANE_SOURCE_DIR) + "/data";

// The sample year imported into a new standard game in the work folder.
class CliOrders : public CliBinary {
protected:
    void SetUp() override
    {
        CliBinary::SetUp();
        ASSERT_EQ(Run({"new", "Standard", Game()}).status, 0);
        std::vector<std::string> import = {"import", Game()};
        for (const auto& mail : {"1-S1901M-game-start.txt", "2-S1901M-movement.txt", "3-F1901M-movement.txt",
                                 "4-F1901R-retreats.txt", "5-F1901B-adjustments.txt"})
            import.push_back(Report(mail, CTempDir::Read(fs::path(kData) / "samples" / mail)));
        ASSERT_EQ(Run(import).status, 0);
    }

    CCliRun Run(std::vector<std::string> args, const std::string& in = "")
    {
        args.insert(args.end(), {"--install-dir", kData});
        return RunCliBinary(args, m_work.Path(), in);
    }
};

struct OrdersRow {
    const char* name;
    std::vector<std::string> args; // after "orders GAME"
    const char* input;
    int status;
    const char* printed; // a piece of standard output, or of standard error when the run fails
};

class CliOrdersRuns : public CliOrders, public ::testing::WithParamInterface<OrdersRow> {};

TEST_P(CliOrdersRuns, PrintAsTheJudgeWillTakeThem)
{
    std::vector<std::string> args = {"orders", Game()};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CCliRun run = Run(args, GetParam().input);
    EXPECT_EQ(run.status, GetParam().status) << run.out << run.err;
    EXPECT_NE((run.out + run.err).find(GetParam().printed), std::string::npos) << run.out << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    SampleYear, CliOrdersRuns,
    ::testing::Values(
        OrdersRow{"PartialSetIsValid", {"--country", "austria", "-"}, "signon Akestrel pw\nA Vie-Tri\n\nsignoff\n", 0,
                  "Army Vienna -> Trieste\tvalid\nWithout an order the Judge holds: Army Serbia, Fleet Albania."},
        OrdersRow{"RefusedLine", {"--country", "Austria"}, "A Vie-War\n", 1,
                  "A Vie-War\tinvalid: The army in Vienna can't reach Warsaw."},
        OrdersRow{"OrderInForceBeforeJunk", {"--country", "Austria"}, "A Vie-Bud please\n", 1,
                  "Army Vienna -> Budapest\tvalid\nA Vie-Bud please\tinvalid: \"please\" after the order"},
        OrdersRow{"MailHoldsTheOrders", {"--country", "Austria", "--password", "pw", "--mail", "-"},
                  "A Vie-Bud please\nA Ser-War\n", 1,
                  "signon Akestrel pw\nArmy Vienna -> Budapest\nA Ser-War\nsignoff\n"},
        OrdersRow{"Reachable", {"--reachable", "alb"}, "", 0, "Adriatic Sea\nTrieste\nGreece\nIonian Sea\n"},
        OrdersRow{"ReachableByConvoy", {"--reachable", "Nwy"}, "", 0, "Sweden\nEdinburgh\nYorkshire\nLondon\nDenmark\nHolland\nBelgium\n"},
        OrdersRow{"ReachableEmptyProvince", {"--reachable", "Bohemia"}, "", 1, "no unit in Bohemia"},
        OrdersRow{"NoCountry", {}, "A Vie H\n", 1, "give --country NAME"}),
    RowName());

TEST_F(CliBinary, OrdersOnABoardWithoutGeographySayWhy)
{
    ImportYear();
    const CCliRun run = Cli({"orders", Game(), "--country", "England", "-"}, "A Lon H\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("has no geography (Maps/Test.geo)"), std::string::npos) << run.err;
}

} // namespace
