#include "CliRunner.h"
#include "support/DovecotServer.h"
#include "support/ImportChecks.h"
#include "support/JudgeMailbox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace judgemailbox;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kKestrel = kShared / "judge-games" / "kestrel";
const fs::path kData = fs::path(KESTRANE_SOURCE_DIR) / "data";

// kestrane-cli fetch against a real Dovecot holding the real kestrel game
// among the rest of a player's mail; every season is then checked by the
// Judge's record through the oracle script.
class CliFetchTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = CDovecotServer::Unavailable(); !why.empty())
            GTEST_SKIP() << why;
        if (!fs::exists(kKestrel))
            GTEST_SKIP() << "no judge-games folder beside the source tree";
        m_game = GameMails(kKestrel);
        m_other = OtherMail(kShared);
        ASSERT_EQ(m_game.size(), 15u);
        m_server = std::make_unique<CDovecotServer>(m_dir.Path() / "server", Security());
        std::string error;
        ASSERT_TRUE(m_server->Start(error)) << error;
        ASSERT_EQ(Cli({"new", "Standard", Game()}).status, 0);
    }

    virtual CDovecotServer::Security Security() const { return CDovecotServer::Security::Plain; }

    CCliRun Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--install-dir", kData.string()});
        return RunCliBinary(args, m_dir.Path(), "", m_dir.Path() / "config");
    }

    CCliRun Fetch(const std::string& password = CDovecotServer::kPassword, const std::string& folder = "INBOX") const
    {
        const importchecks::CScopedEnv env("KESTRANE_IMAP_PASSWORD", password);
        return Cli({"fetch", Game(), "--server", "127.0.0.1", "--port", std::to_string(m_server->Port()), "--user",
                    CDovecotServer::kUser, "--folder", folder, "--plain"});
    }

    void DeliverGame(size_t from, size_t to)
    {
        for (size_t i = from; i < to; ++i) {
            m_server->Deliver(AsMessage(m_game[i], int(i)));
            if (m_nextOther < m_other.size())
                m_server->Deliver(AsMessage(m_other[m_nextOther++], int(100 + i)));
        }
    }

    std::string Game() const { return (m_dir.Path() / "kestrel.kes").string(); }

    // The oracle compares every filed season with the Judge's own state.
    void ExpectGameAsTheJudgeRecordedIt() const
    {
        const fs::path oracle = kShared / "tools" / "judge-oracle.py";
        if (!fs::exists(oracle) || std::system("python3 -c '' 2>/dev/null") != 0) {
            ADD_FAILURE() << "the oracle script or python3 is missing";
            return;
        }
        const std::string log = (m_dir.Path() / "oracle.txt").string();
        const std::string command = "python3 '" + oracle.string() + "' '" + KESTRANE_CLI_PATH + "' '" +
                                    kData.string() + "' '" + kKestrel.string() + "' --check '" + Game() + "' >'" +
                                    log + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << CTempDir::Read(log);
    }

    // No file the program wrote holds the password.
    void ExpectNoPasswordInFiles() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(m_dir.Path() / "config")) {
            if (!entry.is_regular_file())
                continue;
            EXPECT_EQ(CTempDir::Read(entry.path()).find(CDovecotServer::kPassword), std::string::npos)
                << entry.path();
        }
        EXPECT_EQ(CTempDir::Read(Game()).find(CDovecotServer::kPassword), std::string::npos);
    }

    CTempDir m_dir;
    std::unique_ptr<CDovecotServer> m_server;
    std::vector<CJudgeMail> m_game;
    std::vector<CJudgeMail> m_other;
    size_t m_nextOther = 0;
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
    EXPECT_NE(first.out.find("\"Re: XXXX:kestrel - S1901M\"): no results to import"), std::string::npos)
        << first.out;
    EXPECT_NE(first.out.find("\"XXXX:dt - S1901M Game Starting\"): from another Judge or game"), std::string::npos)
        << first.out;
    EXPECT_EQ(first.out.find("alliance"), std::string::npos) << first.out;
    EXPECT_EQ(first.out.find("Lunch"), std::string::npos) << first.out;
    EXPECT_EQ(Cli({"due", Game()}).out.substr(0, 28), "F1902B\t2004-01-21T22:00:00Z\t");

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
    EXPECT_EQ(Cli({"due", Game()}).out.substr(0, 28), "S1904M\t2004-01-29T23:30:00Z\t");

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
