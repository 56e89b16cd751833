#include "CliMailboxFixture.h"
#include "support/ImportChecks.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// kestrane-cli fetch; every season is then checked by the Judge's record
// through the oracle script.
class CliFetchTest : public CliMailboxTest {
protected:
    void SetUp() override
    {
        CliMailboxTest::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) {
            ASSERT_TRUE(StartRound(Security()));
        }
    }

    virtual CDovecotServer::Security Security() const { return CDovecotServer::Security::Plain; }

    CCliRun Fetch(const std::string& password = CDovecotServer::kPassword, const std::string& folder = "INBOX") const
    {
        const importchecks::CScopedEnv env("KESTRANE_IMAP_PASSWORD", password);
        std::vector<std::string> args = {"fetch", Game(), "--folder", folder, "--verbose"};
        for (const std::string& option : ServerOptions())
            args.push_back(option);
        return Cli(args);
    }

    // No file the program wrote holds the password.
    void ExpectNoPasswordInFiles() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(Round() / "config")) {
            if (!entry.is_regular_file())
                continue;
            EXPECT_EQ(CTempDir::Read(entry.path()).find(CDovecotServer::kPassword), std::string::npos)
                << entry.path();
        }
        EXPECT_EQ(CTempDir::Read(Game()).find(CDovecotServer::kPassword), std::string::npos);
    }
};

TEST_F(CliFetchTest, WholeGameThenNothingThenOnlyTheNewMail)
{
    DeliverGame(0, 9);
    const CCliRun first = Fetch();
    EXPECT_EQ(first.status, 0) << first.out << first.err;
    EXPECT_NE(first.out.find("9 seasons"), std::string::npos) << first.out;
    // A new game knows no Judge or game yet: every Judge mail is fetched and
    // the import keeps kestrel's. Private mail is never fetched.
    EXPECT_NE(first.out.find("from 14 mails"), std::string::npos) << first.out;
    // The Judge's reply to an orders mail gives its verdict, not kept for a phase that is over.
    EXPECT_NE(first.out.find("\nOrders status for S1901M: no order refused.\n    The Judge's reply about S1901M is "
                             "not kept with your orders: the game waits for F1902B.\n"),
              std::string::npos)
        << first.out;
    EXPECT_NE(first.out.find("\"XXXX:dt - S1901M Game Starting\"): from another Judge or game"), std::string::npos)
        << first.out;
    EXPECT_EQ(first.out.find("alliance"), std::string::npos) << first.out;
    EXPECT_EQ(first.out.find("Lunch"), std::string::npos) << first.out;
    EXPECT_EQ(Due(), "F1902B\t2004-01-21T22:00:00Z\t");

    // Nothing new: nothing imported, the game untouched.
    const std::string afterFirst = CTempDir::Read(Game());
    const CCliRun second = Fetch();
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.out.find("No new mail"), std::string::npos) << second.out;
    EXPECT_EQ(CTempDir::Read(Game()), afterFirst);

    // The rest of the game arrives; only it is fetched.
    DeliverGame(9, m_game.size());
    const CCliRun third = Fetch();
    EXPECT_EQ(third.status, 0) << third.out << third.err;
    EXPECT_NE(third.out.find("6 seasons"), std::string::npos) << third.out;
    EXPECT_EQ(third.out.find("imported before"), std::string::npos) << third.out;
    EXPECT_EQ(Due(), "S1904M\t2004-01-29T23:30:00Z\t");

    ExpectGameAsTheJudgeRecordedIt();
    ExpectNoPasswordInFiles();
    for (const std::string& flags : m_server->StoredFlags())
        EXPECT_EQ(flags.find('S'), std::string::npos) << "a message was marked read";
}

TEST_F(CliFetchTest, FailuresLeaveTheGameAsItWas)
{
    DeliverGame(0, 4);
    ASSERT_EQ(Fetch().status, 0);
    DeliverGame(4, 8);
    const std::string before = CTempDir::Read(Game());

    struct Row {
        const char* name;
        std::string password;
        std::string folder;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"wrong password", "wrong", "INBOX", "refused the login of player"},
        {"missing folder", CDovecotServer::kPassword, "Kestrel", "The folder \"Kestrel\" was not found"},
    };
    for (const Row& row : rows) {
        const CCliRun run = Fetch(row.password, row.folder);
        EXPECT_EQ(run.status, 1) << row.name;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << row.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << row.name << ": one message, " << run.err;
        EXPECT_EQ(CTempDir::Read(Game()), before) << row.name;
    }
    m_server->Stop();
    const CCliRun stopped = Fetch();
    EXPECT_EQ(stopped.status, 1);
    EXPECT_NE(stopped.err.find("Could not connect to the mail server 127.0.0.1"), std::string::npos) << stopped.err;
    EXPECT_EQ(CTempDir::Read(Game()), before);

    // Back up, the mail that waited is fetched after all.
    std::string error;
    ASSERT_TRUE(m_server->Start(error)) << error;
    const CCliRun later = Fetch();
    EXPECT_EQ(later.status, 0) << later.err;
    EXPECT_NE(later.out.find("4 seasons"), std::string::npos) << later.out;
}

TEST_F(CliFetchTest, NoPasswordAnywhere)
{
    const importchecks::CScopedEnv env("KESTRANE_IMAP_PASSWORD", std::nullopt);
    // The test's own session has no keyring service to ask either.
    const importchecks::CScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", std::string("unix:path=/nonexistent"));
    const CCliRun run = Cli({"fetch", Game(), "--server", "127.0.0.1", "--port", std::to_string(m_server->Port()),
                             "--user", CDovecotServer::kUser, "--plain"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("KESTRANE_IMAP_PASSWORD"), std::string::npos) << run.err;
}

class CliTlsFetchTest : public CliFetchTest {
protected:
    CDovecotServer::Security Security() const override { return CDovecotServer::Security::Tls; }
};

TEST_F(CliTlsFetchTest, OverTlsWithTheServersCertificate)
{
    DeliverGame(0, m_game.size());
    const importchecks::CScopedEnv password("KESTRANE_IMAP_PASSWORD", std::string(CDovecotServer::kPassword));
    const std::vector<std::string> args = {"fetch", Game(), "--server", "127.0.0.1", "--port",
                                           std::to_string(m_server->Port()), "--user", CDovecotServer::kUser, "--tls"};
    const std::string before = CTempDir::Read(Game());
    {
        // Not trusted: refused, nothing sent, the game untouched.
        const CCliRun run = Cli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("could not be trusted"), std::string::npos) << run.err;
        EXPECT_EQ(CTempDir::Read(Game()), before);
    }
    const importchecks::CScopedEnv ca("KESTRANE_IMAP_CA_FILE", m_server->CertificateFile());
    const CCliRun run = Cli(args);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    ExpectGameAsTheJudgeRecordedIt();
}

} // namespace
