#include "CliRunner.h"
#include "model/OrdersStateFile.h"
#include "support/ImportChecks.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

// kestrane-cli send against a real Postfix, on the real kestrel game as it
// stood before Spring 1902, with Austria's orders and the Judge's replies to
// them from judge-orders.

namespace {

namespace fs = std::filesystem;

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kData = fs::path(KESTRANE_SOURCE_DIR) / "data";
const fs::path kOrders = kShared / "judge-orders" / "S1902M";
const std::string kGamePassword = "gamepw";

class CliSendTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = CSmtpServer::Unavailable(); !why.empty())
            GTEST_SKIP() << why;
        if (!fs::exists(kOrders) || !fs::exists(kShared / "judge-games" / "kestrel"))
            GTEST_SKIP() << "no judge-orders or judge-games folder beside the source tree";
        std::string error;
        ASSERT_TRUE(m_server.Start(error)) << error;
        ASSERT_EQ(Cli({"new", "Standard", Game()}).status, 0);
        std::vector<std::string> import = {"import", "--batch", Game()};
        for (const char* mail : {"00-S1901M-start.txt", "01-S1901M-movement.txt", "02-F1901M-movement.txt",
                                 "03-F1901R-retreat.txt", "04-F1901B-adjustment.txt"})
            import.push_back((kShared / "judge-games" / "kestrel" / mail).string());
        ASSERT_EQ(Cli(import).status, 0);
    }

    CCliRun Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--install-dir", kData.string()});
        return RunCliBinary(args, m_dir.Path(), "", m_dir.Path() / "config");
    }

    // Austria's orders mail through the STARTTLS port; extra arguments after
    // the defaults.
    CCliRun Send(std::vector<std::string> extra = {}, const std::string& to = CSmtpServer::kJudge) const
    {
        std::vector<std::string> args = {"send",   Game(),          "--country", "austria", "--password",
                                         kGamePassword, "--smtp", "127.0.0.1", "--port",
                                         std::to_string(m_server.StartTlsPort()), "--user", CSmtpServer::kUser,
                                         "--from", "player@example.org", "--to", to};
        args.insert(args.end(), extra.begin(), extra.end());
        return Cli(args);
    }

    std::string Game() const { return (m_dir.Path() / "kestrel.kes").string(); }
    std::string StateFile() const
    {
        return fs::directory_iterator(m_dir.Path() / "config" / "Morvellan" / "Kestrane-orders")->path().string();
    }
    CGameOrdersState State() const
    {
        std::string message;
        return LoadOrdersState(StateFile(), message);
    }

    CTempDir m_dir;
    CSmtpServer m_server{m_dir.Path() / "smtp"};
    importchecks::CScopedEnv m_password{"KESTRANE_SMTP_PASSWORD", std::string(CSmtpServer::kPassword)};
    importchecks::CScopedEnv m_trust{"KESTRANE_SMTP_CA_FILE", m_server.CertificateFile()};
};

// The drafted orders go out exactly as "mail" composes them and are kept
// with the time; the Judge's reply then pairs with them and is kept as the
// verdict; a forced send of a refused line replaces both.
TEST_F(CliSendTest, TheComposedMailArrivesAndIsKept)
{
    CGameOrdersState state = State();
    ASSERT_EQ(state.due->phase, "S1902M");
    state.drafts = OrderLinesOfMail(CTempDir::Read(kOrders / "S1902M-austria-01-legal-mixed.orders.txt"));
    std::string error;
    ASSERT_TRUE(SaveOrdersState(StateFile(), state, error)) << error;
    const std::string composed =
        Cli({"mail", Game(), "--country", "Austria", "--password", kGamePassword}).out;
    ASSERT_EQ(composed.rfind("signon AKestrel " + kGamePassword + "\nSERBIA -> BUDAPEST\n", 0), 0u) << composed;

    const auto before = std::chrono::system_clock::now() - std::chrono::seconds(1);
    const CCliRun sent = Send();
    ASSERT_EQ(sent.status, 0) << sent.err << m_server.LogTail();
    EXPECT_NE(sent.out.find("Sent 5 orders for S1902M to judge@judge.test at "), std::string::npos) << sent.out;
    const auto delivered = m_server.WaitForDelivered(1);
    ASSERT_EQ(delivered.size(), 1u) << m_server.LogTail();
    EXPECT_EQ(CSmtpServer::Part(delivered[0], ""), composed);
    EXPECT_EQ(CSmtpServer::Part(delivered[0], "From"), "player@example.org");
    EXPECT_EQ(CSmtpServer::Part(delivered[0], "To"), CSmtpServer::kJudge);
    EXPECT_EQ(CSmtpServer::Part(delivered[0], "Subject"), "Kestrel orders for S1902M");
    state = State();
    EXPECT_EQ(OrderLinesOfMail(composed), state.SentOrders());
    ASSERT_TRUE(state.sentAt);
    EXPECT_GE(*state.sentAt, before);

    // Imported, the reply's verdict is the summary's and is kept; the game is as it was.
    const std::string gameBytes = CTempDir::Read(Game());
    const fs::path reply = kOrders / "S1902M-austria-01-legal-mixed.reply.txt";
    const CCliRun imported = Cli({"import", "--batch", Game(), reply.string()});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("\nOrders status for S1902M: 5 accepted, 0 refused.\n"), std::string::npos)
        << imported.out;
    EXPECT_FALSE(State().verdict.empty());
    EXPECT_EQ(CTempDir::Read(Game()), gameBytes);
    state = State();
    state.verdict.clear();
    ASSERT_TRUE(SaveOrdersState(StateFile(), state, error)) << error;

    const CCliRun status = Cli({"status", Game(), reply.string()});
    EXPECT_EQ(status.status, 0) << status.err;
    EXPECT_NE(status.out.find("accepted  SERBIA -> BUDAPEST\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("orders status for S1902M: 5 accepted, 0 refused\n"), std::string::npos) << status.out;
    EXPECT_FALSE(State().verdict.empty());
    EXPECT_EQ(CTempDir::Read(Game()), gameBytes);

    const fs::path refused = kOrders / "S1902M-austria-08-nonadjacent-move.orders.txt";
    EXPECT_EQ(Send({refused.string()}).status, 1);
    const CCliRun forced = Send({"--force", refused.string()});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(forced.err.find("sent all the same: the Judge will refuse 1 line"), std::string::npos) << forced.err;
    ASSERT_EQ(m_server.WaitForDelivered(2).size(), 2u);
    EXPECT_EQ(State().SentOrders(), OrderLinesOfMail(CTempDir::Read(refused)));
    EXPECT_TRUE(State().verdict.empty());

    for (const auto& entry : fs::recursive_directory_iterator(m_dir.Path() / "config"))
        if (entry.is_regular_file()) {
            EXPECT_EQ(CTempDir::Read(entry.path()).find(CSmtpServer::kPassword), std::string::npos) << entry.path();
        }
}

// Each failure is one message (the orders the Judge would refuse: one, then
// each refused line), sends nothing and keeps nothing.
TEST_F(CliSendTest, FailuresAreOneMessageAndChangeNothing)
{
    const std::string orders = (kOrders / "S1902M-austria-01-legal-mixed.orders.txt").string();
    const std::string stateBytes = CTempDir::Read(StateFile());
    const std::string gameBytes = CTempDir::Read(Game());
    struct Row {
        const char* name;
        std::vector<std::string> extra;
        std::string to;
        std::optional<std::string> password;
        std::optional<std::string> caFile;
        bool stopServer;
        const char* message;
        long lines;
    };
    const std::vector<Row> rows = {
        {"wrong password", {orders}, CSmtpServer::kJudge, "wrong", m_server.CertificateFile(), false,
         "The mail server 127.0.0.1 refused the login of player", 1},
        {"refused recipient", {orders}, "nobody@judge.test", CSmtpServer::kPassword,
         m_server.CertificateFile(), false, "refused the recipient nobody@judge.test", 1},
        {"untrusted certificate", {orders}, CSmtpServer::kJudge, CSmtpServer::kPassword, std::nullopt, false, "could not be trusted", 1},
        {"no password", {orders}, CSmtpServer::kJudge, std::nullopt, m_server.CertificateFile(), false, "KESTRANE_SMTP_PASSWORD", 1},
        {"refused orders", {(kOrders / "S1902M-austria-08-nonadjacent-move.orders.txt").string()}, CSmtpServer::kJudge,
         CSmtpServer::kPassword, m_server.CertificateFile(), false,
         "not sent: the Judge will refuse 1 line (--force sends them all the same)\n"
         "  A Vie-Ser: The army in Vienna can't reach Serbia.\n  Without an order the Judge holds: Army Vienna.",
         3},
        {"stopped server", {orders}, CSmtpServer::kJudge, CSmtpServer::kPassword, m_server.CertificateFile(), true,
         "Could not connect to the mail server 127.0.0.1 on port", 1},
    };
    // No keyring service to fall back on.
    const importchecks::CScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", std::string("unix:path=/nonexistent"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const importchecks::CScopedEnv password("KESTRANE_SMTP_PASSWORD", row.password);
        const importchecks::CScopedEnv trust("KESTRANE_SMTP_CA_FILE", row.caFile);
        if (row.stopServer)
            m_server.Stop();
        const CCliRun run = Send(row.extra, row.to);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), row.lines) << run.err;
        EXPECT_EQ(CTempDir::Read(StateFile()), stateBytes);
        EXPECT_EQ(CTempDir::Read(Game()), gameBytes);
        EXPECT_TRUE(m_server.Delivered().empty());
    }
}

} // namespace
