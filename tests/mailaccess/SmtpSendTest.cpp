#include "mailaccess/SmtpSend.h"
#include "support/ServerProcess.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// An orders mail with what trips a careless sender: lines that are or start
// with a dot (SMTP's end of data), trailing spaces, an empty line, a long line.
const std::string kBody = "signon Fkestrel secret\n"
                          "A Par-Bur\n"
                          ".\n"
                          ". F Bre H\n"
                          "..\n"
                          "A Mar S A Par-Bur   \n"
                          "\n" +
                          std::string(300, 'x') + "\nsignoff\n";

// One Postfix for the suite: it takes a few seconds to start.
class SmtpSendTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!CSmtpServer::Unavailable().empty())
            return;
        s_dir = new CTempDir;
        s_server = new CSmtpServer(s_dir->Path() / "smtp");
        if (!s_server->Start(s_error))
            TearDownTestSuite();
    }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        if (const std::string why = CSmtpServer::Unavailable(); !why.empty())
            GTEST_SKIP() << why;
        ASSERT_NE(s_server, nullptr) << s_error;
    }

    static COutgoingAccount Account(MailSecurity security)
    {
        COutgoingAccount account;
        account.m_strServer = "127.0.0.1";
        account.m_security = security;
        account.m_nPort = security == MailSecurity::Plain      ? s_server->PlainPort()
                          : security == MailSecurity::StartTls ? s_server->StartTlsPort()
                                                               : s_server->TlsPort();
        account.m_strUser = CSmtpServer::kUser;
        account.m_strFrom = "player@example.org";
        account.m_strJudgeAddress = CSmtpServer::kJudge;
        return account;
    }
    static COutgoingMail Mail(const std::string& body = kBody)
    {
        return {"player@example.org", CSmtpServer::kJudge, "kestrel S1902M orders", body};
    }
    static CSmtpOptions Trusting()
    {
        CSmtpOptions options;
        options.timeoutSeconds = 10;
        options.caFile = s_server->CertificateFile();
        return options;
    }

    static inline CTempDir* s_dir = nullptr;
    static inline CSmtpServer* s_server = nullptr;
    static inline std::string s_error;
};

// The text between the delivered message's headers, and one header's value.
std::string BodyOf(const std::string& stored)
{
    const size_t end = stored.find("\n\n");
    return end == std::string::npos ? std::string() : stored.substr(end + 2);
}

std::string HeaderOf(const std::string& stored, const std::string& name)
{
    const size_t at = stored.find("\n" + name + ": ");
    if (at == std::string::npos || at > stored.find("\n\n"))
        return {};
    const size_t start = at + name.size() + 3;
    return stored.substr(start, stored.find('\n', start) - start);
}

TEST_F(SmtpSendTest, ArrivesExactlyAsComposed)
{
    struct Row {
        const char* name;
        MailSecurity security;
        std::string body;
        const char* contentType;
    };
    const std::vector<Row> rows = {
        {"STARTTLS", MailSecurity::StartTls, kBody, "text/plain; charset=us-ascii"},
        {"implicit TLS", MailSecurity::ImplicitTls, kBody, "text/plain; charset=us-ascii"},
        {"plain, UTF-8 text", MailSecurity::Plain, "signon Gkestrel pässwort\nA Mün H\nsignoff\n",
         "text/plain; charset=utf-8"},
    };
    size_t delivered = s_server->Delivered().size();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CSmtpOptions options = Trusting();
        std::pair<size_t, size_t> lastProgress;
        options.progress = [&](size_t sent, size_t total) { lastProgress = {sent, total}; };
        const CSmtpSend sent = SendMail(Account(row.security), CSmtpServer::kPassword, Mail(row.body), options);
        ASSERT_TRUE(sent.Ok()) << sent.error << "\n" << s_server->LogTail();
        EXPECT_EQ(lastProgress, std::make_pair(sent.message.size(), sent.message.size()));

        const auto messages = s_server->WaitForDelivered(++delivered);
        ASSERT_EQ(messages.size(), delivered) << s_server->LogTail();
        const std::string& stored = messages.back();
        EXPECT_EQ(BodyOf(stored), row.body);
        EXPECT_EQ(HeaderOf(stored, "From"), "player@example.org");
        EXPECT_EQ(HeaderOf(stored, "To"), CSmtpServer::kJudge);
        EXPECT_EQ(HeaderOf(stored, "Subject"), "kestrel S1902M orders");
        EXPECT_EQ(HeaderOf(stored, "Message-ID"), sent.messageId);
        EXPECT_EQ(HeaderOf(stored, "Content-Type"), row.contentType);
    }
}

// Each failure is one sentence, and none of them delivers anything: after
// them all, one good mail is the only one that arrives.
TEST_F(SmtpSendTest, FailuresAreOneMessageAndSendNothing)
{
    struct Row {
        const char* name;
        void (*change)(COutgoingAccount&, COutgoingMail&, std::string& password, CSmtpOptions&);
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"wrong password", [](COutgoingAccount&, COutgoingMail&, std::string& pw, CSmtpOptions&) { pw = "wrong"; },
         "The mail server 127.0.0.1 refused the login of player: check the user name and the password"},
        {"refused recipient",
         [](COutgoingAccount&, COutgoingMail& m, std::string&, CSmtpOptions&) { m.to = "nobody@judge.test"; },
         "The mail server 127.0.0.1 refused the recipient nobody@judge.test (550 5.1.1"},
        {"untrusted certificate", [](COutgoingAccount&, COutgoingMail&, std::string&, CSmtpOptions& o) { o.caFile = ""; },
         "The certificate of the mail server 127.0.0.1 could not be trusted, so nothing was sent to it"},
        {"untrusted certificate, implicit TLS",
         [](COutgoingAccount& a, COutgoingMail&, std::string&, CSmtpOptions& o) {
             a = Account(MailSecurity::ImplicitTls);
             o.caFile = "";
         },
         "The certificate of the mail server 127.0.0.1 could not be trusted"},
        {"no STARTTLS on the plain port",
         [](COutgoingAccount& a, COutgoingMail&, std::string&, CSmtpOptions&) { a.m_nPort = s_server->PlainPort(); },
         "does not offer STARTTLS on port"},
        {"unknown host",
         [](COutgoingAccount& a, COutgoingMail&, std::string&, CSmtpOptions&) { a.m_strServer = "no-such-host.invalid"; },
         "Could not find the mail server no-such-host.invalid"},
        {"nothing listening",
         [](COutgoingAccount& a, COutgoingMail&, std::string&, CSmtpOptions&) { a.m_nPort = serverprocess::FreePort(); },
         "Could not connect to the mail server 127.0.0.1 on port"},
    };
    const size_t before = s_server->Delivered().size();
    for (const Row& row : rows) {
        COutgoingAccount account = Account(MailSecurity::StartTls);
        COutgoingMail mail = Mail();
        std::string password = CSmtpServer::kPassword;
        CSmtpOptions options = Trusting();
        row.change(account, mail, password, options);
        const CSmtpSend sent = SendMail(account, password, mail, options);
        EXPECT_NE(sent.error.find(row.expected), std::string::npos) << row.name << ": " << sent.error;
        EXPECT_EQ(sent.error.find('\n'), std::string::npos) << row.name;
        EXPECT_TRUE(sent.message.empty()) << row.name;
    }
    ASSERT_TRUE(SendMail(Account(MailSecurity::StartTls), CSmtpServer::kPassword, Mail(), Trusting()).Ok());
    EXPECT_EQ(s_server->WaitForDelivered(before + 1).size(), before + 1);
}

// A server that takes the connection and never answers: the timeout is one
// message, and a cancel ends the wait long before it, in either TLS mode.
TEST(SilentServerSend, TimesOutOrIsCancelled)
{
    const CSilentListener listener;
    ASSERT_NE(listener.Port(), 0);
    struct Row {
        MailSecurity security;
        int timeoutSeconds;
        bool cancel;
        const char* expected;
    };
    const char* const late = "The mail server 127.0.0.1 did not answer in time.";
    for (const Row& row : {Row{MailSecurity::StartTls, 1, false, late}, Row{MailSecurity::ImplicitTls, 1, false, late},
                           Row{MailSecurity::StartTls, 30, true, "The sending was cancelled."},
                           Row{MailSecurity::ImplicitTls, 30, true, "The sending was cancelled."}}) {
        SCOPED_TRACE(SecurityName(row.security));
        COutgoingAccount account;
        account.m_strServer = "127.0.0.1";
        account.m_nPort = listener.Port();
        account.m_security = row.security;
        account.m_strFrom = "player@example.org";
        account.m_strJudgeAddress = "judge@example.org";
        const auto started = std::chrono::steady_clock::now();
        CSmtpOptions options;
        options.timeoutSeconds = row.timeoutSeconds;
        if (row.cancel)
            options.cancelled = [started] { return std::chrono::steady_clock::now() - started > std::chrono::milliseconds(300); };
        const CSmtpSend sent = SendMail(account, "pw", {"player@example.org", "judge@example.org", "S", "signoff\n"}, options);
        EXPECT_EQ(sent.error, row.expected);
        EXPECT_EQ(sent.cancelled, row.cancel);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
}

} // namespace
