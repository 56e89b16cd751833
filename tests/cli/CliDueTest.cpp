#include "CliFixture.h"
#include "model/OrdersStateFile.h"
#include "support/ImportChecks.h"

// The phase due kept by the imports, shown by "due", and the drafted orders
// the orders mail carries.

namespace {

namespace fs = std::filesystem;

class CliDue : public CliBinary {
protected:
    // One configuration folder for every run, as a player's own.
    CCliRun Run(std::vector<std::string> args)
    {
        args.insert(args.end(), {"--install-dir", m_install.Str()});
        return RunCliBinary(args, m_work.Path(), "", m_work.Path() / "config");
    }
    // The one state file the runs wrote.
    std::string StateFile() const
    {
        return fs::directory_iterator(m_work.Path() / "config" / "Morvellan" / "Kestrane-orders")->path().string();
    }

    importchecks::CScopedEnv m_zone{"TZ", "UTC"};
};

TEST_F(CliDue, ImportsKeepThePhaseDueAndDropOldDrafts)
{
    NewGame();
    EXPECT_EQ(Run({"due", Game()}).status, 1);
    ASSERT_EQ(Run({"import", Game(), Report("1.txt", cligame::GameStart()), Report("2.txt", cligame::SpringMovement())})
                  .status,
              0);
    const CCliRun due = Run({"due", Game()});
    EXPECT_EQ(due.status, 0) << due.err;
    EXPECT_EQ(due.out.substr(0, due.out.find(" passed")),
              "F1901M\t2004-02-10T04:30:00Z\tFall 1901 Movement: orders due Tue 10 Feb 04:30 UTC, 04:30 here, deadline");

    std::string message;
    CGameOrdersState state = LoadOrdersState(StateFile(), message);
    state.drafts = {"F Lon - Nth", "A Lvp - Edi"};
    ASSERT_TRUE(SaveOrdersState(StateFile(), state, message)) << message;
    const std::vector<std::string> mail = {"mail", Game(), "--country", "england", "--password", "pw"};
    EXPECT_EQ(Run(mail).out, "signon Ekt pw\nF Lon - Nth\nA Lvp - Edi\nsignoff\n");

    ASSERT_EQ(Run({"import", "--batch", Game(), Report("3.txt", cligame::FallMovement())}).status, 0);
    EXPECT_EQ(Run({"due", Game()}).out.substr(0, 7), "F1901R\t");
    EXPECT_EQ(Run(mail).out, "signon Ekt pw\nF HOLLAND\nA EDINBURGH\nsignoff\n");
}

} // namespace
