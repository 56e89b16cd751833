#include "CliMailboxFixture.h"
#include "support/ImportChecks.h"

#include <algorithm>
#include <chrono>
#include <csignal>

using namespace std::chrono_literals;

namespace {

// kestrane-cli watch over the real kestrel game's folder, with the watch's
// minute shortened to three seconds: a poll every six, a first new
// connection after three.
class CliWatchTest : public CliMailboxTest {
protected:
    std::unique_ptr<CCliProcess> Watch(const std::string& password, std::vector<std::string> more = {}) const
    {
        const importchecks::CScopedEnv env("KESTRANE_IMAP_PASSWORD", password);
        const importchecks::CScopedEnv minute("KESTRANE_WATCH_MINUTE", std::string("3"));
        std::vector<std::string> args = {"watch", Game(), "--poll", "2"};
        for (const std::string& option : ServerOptions())
            args.push_back(option);
        args.insert(args.end(), more.begin(), more.end());
        return Start(args);
    }

    static size_t Count(const std::string& text, const std::string& part)
    {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }
};

TEST_F(CliWatchTest, MailArrivingWhileWatchedIsImportedAndSaved)
{
    struct Row {
        const char* name;
        bool offerIdle;
        std::chrono::milliseconds within; // from the mail's arrival to the game saved
    };
    // Without IDLE, one polling period (6 s) and two seconds for the fetch.
    for (const Row& row : {Row{"under IDLE", true, 5s}, Row{"polling", false, 8s}}) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(StartRound(CDovecotServer::Security::Plain, row.offerIdle));
        DeliverGame(0, m_game.size() - 1);
        const auto watch = Watch(CDovecotServer::kPassword);
        ASSERT_TRUE(watch->WaitFor("14 seasons", 15s)) << watch->Out() << watch->Err();

        DeliverGame(m_game.size() - 1, m_game.size());
        EXPECT_TRUE(watch->WaitFor("1 season", row.within)) << watch->Out() << watch->Err();
        EXPECT_EQ(Due(), "S1904M\t2004-01-29T23:30:00Z\t");
        watch->Signal(SIGTERM);
        const CCliRun run = watch->Wait(5s);
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        EXPECT_NE(run.out.find("Kestrel: Winter 1903 adjustment results are in"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("kestrel.kes: Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC"),
                  std::string::npos)
            << run.out;
    }
}

TEST_F(CliWatchTest, ServerRestartIsOneReconnectionAndNoMailTwice)
{
    ASSERT_TRUE(StartRound(CDovecotServer::Security::Plain));
    DeliverGame(0, 8);
    const auto watch = Watch(CDovecotServer::kPassword);
    ASSERT_TRUE(watch->WaitFor("8 seasons", 15s)) << watch->Out() << watch->Err();

    m_server->Stop();
    ASSERT_TRUE(watch->WaitFor("Trying again in 3 seconds", 5s)) << watch->Err();
    std::string error;
    ASSERT_TRUE(m_server->Start(error)) << error;
    DeliverGame(8, m_game.size());
    EXPECT_TRUE(watch->WaitFor("7 seasons", 15s)) << watch->Out() << watch->Err();
    watch->Signal(SIGINT);
    const CCliRun run = watch->Wait(5s);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Count(run.err, "Trying again"), 1u) << run.err;
    EXPECT_EQ(Count(run.out, "watching INBOX"), 2u) << run.out;
    EXPECT_EQ(run.out.find("imported before"), std::string::npos) << run.out;
    ExpectGameAsTheJudgeRecordedIt();
}

TEST_F(CliWatchTest, EndsOnItsOwn)
{
    struct Row {
        const char* name;
        std::string password;
        std::vector<std::string> more;
        int status;
        const char* said; // on standard output for success, else on standard error
    };
    const std::vector<Row> rows = {
        {"once", CDovecotServer::kPassword, {"--once"}, 0, "kestrel.kes: Spring 1904 Movement: orders due"},
        {"refused login", "wrong", {}, 1, "refused the login of player"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(StartRound(CDovecotServer::Security::Plain));
        DeliverGame(0, m_game.size());
        const CCliRun run = Watch(row.password, row.more)->Wait(15s);
        EXPECT_EQ(run.status, row.status) << run.out << run.err;
        EXPECT_NE((row.status == 0 ? run.out : run.err).find(row.said), std::string::npos) << run.out << run.err;
        if (row.status == 0)
            ExpectGameAsTheJudgeRecordedIt();
        else
            EXPECT_EQ(Count(run.err, "\n"), 1u) << "one message: " << run.err;
    }
}

} // namespace
