#include "LoopbackAccount.h"
#include "support/DovecotServer.h"
#include "mailaccess/MailboxFetch.h"
#include "support/JudgeMailbox.h"
#include "support/ServerProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

using namespace judgemailbox;

namespace {

// A plain-login server on loopback holding the first `gameMails` mails of
// kestrel among the other mail a player gets.
class MailboxFetchTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = KestrelServerMail(m_game, m_other); !why.empty())
            GTEST_SKIP() << why;
        ASSERT_EQ(m_game.size(), 15u);
        ASSERT_GE(m_other.size(), 6u);
        m_server = std::make_unique<CDovecotServer>(m_dir.Path() / "server", Security());
        std::string error;
        ASSERT_TRUE(m_server->Start(error)) << error;
    }

    virtual CDovecotServer::Security Security() const { return CDovecotServer::Security::Plain; }

    CMailAccount Account() const { return LoopbackAccount(*m_server); }

    CMailboxFetch Fetch(const CMailAccount& account, const CFetchMark& mark = {},
                        const std::string& password = CDovecotServer::kPassword) const
    {
        CImapOptions options;
        options.timeoutSeconds = 10;
        options.caFile = m_caFile;
        return FetchNewMail(account, password, mark, options);
    }

    // Delivers game mails [from, to) with other mail in between; returns the
    // delivered game messages in order.
    std::vector<std::string> DeliverGame(size_t from, size_t to)
    {
        std::vector<std::string> delivered;
        for (size_t i = from; i < to; ++i) {
            const std::string message = AsMessage(m_game[i], int(i));
            m_server->Deliver(message);
            delivered.push_back(message);
            if (m_nextOther < m_other.size())
                m_server->Deliver(AsMessage(m_other[m_nextOther++], int(100 + i)));
        }
        return delivered;
    }

    static std::vector<std::string> Bytes(const CMailboxFetch& fetch)
    {
        std::vector<std::string> bytes;
        for (const CFetchedMail& mail : fetch.mails)
            bytes.push_back(mail.bytes);
        return bytes;
    }

    // The orders status reply for kestrel passes the filter too (its subject
    // and header name the game); the import tells it has no results.
    static std::vector<std::string> WithoutStatusReplies(std::vector<std::string> bytes)
    {
        bytes.erase(std::remove_if(bytes.begin(), bytes.end(),
                                   [](const std::string& b) { return b.find("Subject: Re: XXXX:kestrel") != std::string::npos; }),
                    bytes.end());
        return bytes;
    }

    CTempDir m_dir;
    std::unique_ptr<CDovecotServer> m_server;
    std::vector<CJudgeMail> m_game;
    std::vector<CJudgeMail> m_other;
    size_t m_nextOther = 0;
    std::string m_caFile;
};

TEST_F(MailboxFetchTest, TakesTheGamesMailsUnchangedAndMarksNothing)
{
    const auto delivered = DeliverGame(0, m_game.size());
    const CMailboxFetch fetch = Fetch(Account());
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_TRUE(fetch.startedOver);
    EXPECT_NE(fetch.uidValidity, 0u);
    // Every kestrel mail, byte for byte, plus Austria's orders status reply.
    EXPECT_EQ(WithoutStatusReplies(Bytes(fetch)), delivered);
    EXPECT_EQ(fetch.mails.size(), delivered.size() + 1);
    EXPECT_TRUE(std::is_sorted(fetch.mails.begin(), fetch.mails.end(),
                               [](const CFetchedMail& a, const CFetchedMail& b) { return a.uid < b.uid; }));
    for (const std::string& flags : m_server->StoredFlags())
        EXPECT_EQ(flags.find('S'), std::string::npos) << "a message was marked read: " << flags;
}

TEST_F(MailboxFetchTest, OnlyNewMailAfterTheMark)
{
    DeliverGame(0, 8);
    const CMailboxFetch first = Fetch(Account());
    ASSERT_TRUE(first.Ok()) << first.error;
    const CFetchMark mark = first.NextMark({});
    EXPECT_EQ(mark.uidValidity, first.uidValidity);
    EXPECT_EQ(mark.lastUid, first.mails.back().uid);

    const CMailboxFetch again = Fetch(Account(), mark);
    ASSERT_TRUE(again.Ok()) << again.error;
    EXPECT_FALSE(again.startedOver);
    EXPECT_TRUE(again.mails.empty());
    EXPECT_EQ(again.NextMark(mark), mark);

    const auto later = DeliverGame(8, m_game.size());
    const CMailboxFetch third = Fetch(Account(), mark);
    ASSERT_TRUE(third.Ok()) << third.error;
    EXPECT_EQ(Bytes(third), later);
    EXPECT_GT(third.NextMark(mark).lastUid, mark.lastUid);
}

TEST_F(MailboxFetchTest, RenumberedFolderStartsOver)
{
    const auto delivered = DeliverGame(0, 5);
    const CMailboxFetch first = Fetch(Account());
    ASSERT_TRUE(first.Ok()) << first.error;
    const CFetchMark mark = first.NextMark({});
    ASSERT_TRUE(m_server->Renumber(first.uidValidity + 1000));
    const CMailboxFetch again = Fetch(Account(), mark);
    ASSERT_TRUE(again.Ok()) << again.error;
    EXPECT_TRUE(again.startedOver);
    EXPECT_EQ(again.uidValidity, first.uidValidity + 1000);
    EXPECT_EQ(WithoutStatusReplies(Bytes(again)), delivered);
}

TEST_F(MailboxFetchTest, FoldersAndFilters)
{
    DeliverGame(0, 3);
    m_server->Deliver(AsMessage(m_game[3], 3), "Judge mail");
    // Dovecot names the folder's directory in modified UTF-7 as well.
    m_server->Deliver(AsMessage(m_game[4], 4), "Entw&APw-rfe");

    CMailAccount account = Account();
    account.m_strFolder = "Judge mail";
    CMailboxFetch fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_EQ(Bytes(fetch), std::vector<std::string>{AsMessage(m_game[3], 3)});

    account.m_strFolder = "Entwürfe";
    fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_EQ(Bytes(fetch), std::vector<std::string>{AsMessage(m_game[4], 4)});

    // An empty filter takes the whole folder; the default for an unknown game
    // every mail with a Judge header line.
    account = Account();
    account.m_strFilter.clear();
    fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_EQ(fetch.mails.size(), 6u);
    account.m_strFilter = DefaultMailFilter("", "");
    fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    std::set<std::string> withHeader;
    for (const CFetchedMail& mail : fetch.mails)
        EXPECT_NE(mail.bytes.find(":: Judge:"), std::string::npos);
    EXPECT_EQ(fetch.mails.size(), 6u); // three game mails, three Judge replies of dt
}

TEST_F(MailboxFetchTest, FailuresAreOneClearMessage)
{
    DeliverGame(0, 2);
    struct Row {
        const char* name;
        void (*change)(CMailAccount&, std::string& password);
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"wrong password", [](CMailAccount&, std::string& pw) { pw = "wrong"; }, "refused the login of player"},
        {"unknown user", [](CMailAccount& a, std::string&) { a.m_strUser = "nobody"; }, "refused the login"},
        {"missing folder", [](CMailAccount& a, std::string&) { a.m_strFolder = "Nope"; },
         "The folder \"Nope\" was not found on the mail server 127.0.0.1"},
        {"bad filter", [](CMailAccount& a, std::string&) { a.m_strFilter = "SUBJECT"; }, "refused to search"},
        {"STARTTLS not offered", [](CMailAccount& a, std::string&) { a.m_security = MailSecurity::StartTls; },
         "does not offer STARTTLS"},
        {"TLS on a plain port", [](CMailAccount& a, std::string&) { a.m_security = MailSecurity::ImplicitTls; },
         "on port"},
        {"unknown host", [](CMailAccount& a, std::string&) { a.m_strServer = "no-such-host.invalid"; },
         "Could not find the mail server no-such-host.invalid"},
    };
    for (const Row& row : rows) {
        CMailAccount account = Account();
        std::string password = CDovecotServer::kPassword;
        row.change(account, password);
        const CMailboxFetch fetch = Fetch(account, {}, password);
        EXPECT_NE(fetch.error.find(row.expected), std::string::npos) << row.name << ": " << fetch.error;
        EXPECT_TRUE(fetch.mails.empty()) << row.name;
    }
    m_server->Stop();
    const CMailboxFetch stopped = Fetch(Account());
    EXPECT_NE(stopped.error.find("Could not connect to the mail server 127.0.0.1 on port"), std::string::npos)
        << stopped.error;
}

class TlsMailboxFetchTest : public MailboxFetchTest {
protected:
    CDovecotServer::Security Security() const override { return CDovecotServer::Security::Tls; }
};

TEST_F(TlsMailboxFetchTest, ImplicitTlsAndStartTlsWithTheServersCertificate)
{
    const auto delivered = DeliverGame(0, m_game.size());
    CMailAccount account = Account();
    account.m_security = MailSecurity::ImplicitTls;

    // Not trusted: nothing is sent, not even the password.
    CMailboxFetch fetch = Fetch(account);
    EXPECT_NE(fetch.error.find("could not be trusted"), std::string::npos) << fetch.error;

    m_caFile = m_server->CertificateFile();
    fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_EQ(WithoutStatusReplies(Bytes(fetch)), delivered);

    account.m_security = MailSecurity::StartTls;
    account.m_nPort = m_server->StartTlsPort();
    fetch = Fetch(account);
    ASSERT_TRUE(fetch.Ok()) << fetch.error;
    EXPECT_EQ(WithoutStatusReplies(Bytes(fetch)), delivered);
}

// The player's account on a server that takes the connection and never answers.
CMailAccount SilentAccount(const CSilentListener& listener, MailSecurity security)
{
    CMailAccount account;
    account.m_strServer = "127.0.0.1";
    account.m_nPort = listener.Port();
    account.m_security = security;
    account.m_strUser = "player";
    return account;
}

} // namespace

// A server that takes the connection and never answers ends the fetch after
// the timeout with one message, for every security mode.
TEST(SilentServerFetch, TimesOutWithOneMessage)
{
    const CSilentListener listener;
    ASSERT_NE(listener.Port(), 0);
    for (const MailSecurity security : {MailSecurity::Plain, MailSecurity::StartTls, MailSecurity::ImplicitTls}) {
        SCOPED_TRACE(SecurityName(security));
        const CMailAccount account = SilentAccount(listener, security);
        CImapOptions options;
        options.timeoutSeconds = 1;
        const auto started = std::chrono::steady_clock::now();
        const CMailboxFetch fetch = FetchNewMail(account, "secret", {}, options);
        EXPECT_EQ(fetch.error, "The mail server 127.0.0.1 did not answer in time.");
        EXPECT_TRUE(fetch.mails.empty());
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
}

// A cancel reaches a fetch still waiting for a silent server to greet it,
// long before the timeout.
TEST(SilentServerFetch, CancelEndsTheWaitForTheLogin)
{
    const CSilentListener listener;
    ASSERT_NE(listener.Port(), 0);
    for (const MailSecurity security : {MailSecurity::Plain, MailSecurity::ImplicitTls}) {
        SCOPED_TRACE(SecurityName(security));
        const CMailAccount account = SilentAccount(listener, security);
        const auto started = std::chrono::steady_clock::now();
        CImapOptions options;
        options.timeoutSeconds = 30;
        options.cancelled = [started] {
            return std::chrono::steady_clock::now() - started > std::chrono::milliseconds(300);
        };
        const CMailboxFetch fetch = FetchNewMail(account, "secret", {}, options);
        EXPECT_EQ(fetch.error, "The fetch was cancelled.");
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
}
