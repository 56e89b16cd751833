#include "mailaccess/SmtpSend.h"
#include "support/ServerProcess.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

namespace {

// An orders mail with what trips a careless sender: lines that are or start
// with a dot (SMTP's end of data), trailing spaces, an empty line, a long line.
const std::string kBody = "signon Fkestrel secret\nA Par-Bur\n.\n. F Bre H\n..\nA Mar S A Par-Bur   \n\n" +
                          std::string(300, 'x') + "\nsignoff\n";

COutgoingAccount Account(const std::string& server, int port, MailSecurity security)
{
    COutgoingAccount account;
    account.m_strServer = server;
    account.m_nPort = port;
    account.m_security = security;
    account.m_strUser = CSmtpServer::kUser;
    account.m_strFrom = "player@example.org";
    account.m_strJudgeAddress = CSmtpServer::kJudge;
    return account;
}

COutgoingMail Mail(const std::string& to = CSmtpServer::kJudge, const std::string& body = kBody)
{
    return {"player@example.org", to, "kestrel S1902M orders", body};
}

const auto Part = CSmtpServer::Part;

class SmtpSendTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = CSmtpServer::Unavailable(); !why.empty())
            GTEST_SKIP() << why;
        std::string error;
        ASSERT_TRUE(m_server.Start(error)) << error;
    }
    int PortFor(MailSecurity security) const
    {
        return security == MailSecurity::Plain      ? m_server.PlainPort()
               : security == MailSecurity::StartTls ? m_server.StartTlsPort()
                                                    : m_server.TlsPort();
    }
    CSmtpOptions Trusting(bool trust = true) const
    {
        CSmtpOptions options;
        options.timeoutSeconds = 10;
        options.caFile = trust ? m_server.CertificateFile() : "";
        return options;
    }

    CTempDir m_dir;
    CSmtpServer m_server{m_dir.Path() / "smtp"};
};

TEST_F(SmtpSendTest, ArrivesExactlyAsComposed)
{
    const std::string utf8 = "signon Gkestrel pässwort\nA Mün H\nsignoff\n";
    const std::vector<std::tuple<MailSecurity, std::string, const char*>> rows = {
        {MailSecurity::StartTls, kBody, "text/plain; charset=us-ascii"},
        {MailSecurity::ImplicitTls, kBody, "text/plain; charset=us-ascii"},
        {MailSecurity::Plain, utf8, "text/plain; charset=utf-8"},
    };
    size_t delivered = 0;
    for (const auto& [security, body, contentType] : rows) {
        SCOPED_TRACE(SecurityName(security));
        CSmtpOptions options = Trusting();
        std::pair<size_t, size_t> progress;
        options.progress = [&](size_t sent, size_t total) { progress = {sent, total}; };
        const CSmtpSend sent = SendMail(Account("127.0.0.1", PortFor(security), security), CSmtpServer::kPassword,
                                        Mail(CSmtpServer::kJudge, body), options);
        ASSERT_TRUE(sent.Ok()) << sent.error << "\n" << m_server.LogTail();
        EXPECT_EQ(progress, std::make_pair(sent.message.size(), sent.message.size()));

        const auto messages = m_server.WaitForDelivered(++delivered);
        ASSERT_EQ(messages.size(), delivered) << m_server.LogTail();
        EXPECT_EQ(Part(messages.back(), ""), body);
        EXPECT_EQ(Part(messages.back(), "From"), "player@example.org");
        EXPECT_EQ(Part(messages.back(), "To"), CSmtpServer::kJudge);
        EXPECT_EQ(Part(messages.back(), "Subject"), "kestrel S1902M orders");
        EXPECT_EQ(Part(messages.back(), "Message-ID"), sent.messageId);
        EXPECT_EQ(Part(messages.back(), "Content-Type"), contentType);
    }
}

// Each failure is one sentence, and none of them delivers anything: after
// them all, one good mail is the only one that arrives.
TEST_F(SmtpSendTest, FailuresAreOneMessageAndSendNothing)
{
    const MailSecurity starttls = MailSecurity::StartTls, tls = MailSecurity::ImplicitTls;
    const int port = m_server.StartTlsPort();
    struct Row {
        const char* name;
        COutgoingAccount account;
        COutgoingMail mail;
        const char* password;
        bool trust;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"wrong password", Account("127.0.0.1", port, starttls), Mail(), "wrong", true,
         "The mail server 127.0.0.1 refused the login of player: check the user name and the password"},
        {"refused recipient", Account("127.0.0.1", port, starttls), Mail("nobody@judge.test"), "secret", true,
         "The mail server 127.0.0.1 refused the recipient nobody@judge.test (550 5.1.1"},
        {"untrusted certificate", Account("127.0.0.1", port, starttls), Mail(), "secret", false,
         "The certificate of the mail server 127.0.0.1 could not be trusted, so nothing was sent to it"},
        {"untrusted, implicit TLS", Account("127.0.0.1", m_server.TlsPort(), tls), Mail(), "secret", false,
         "The certificate of the mail server 127.0.0.1 could not be trusted"},
        {"no STARTTLS", Account("127.0.0.1", m_server.PlainPort(), starttls), Mail(), "secret", true,
         "does not offer STARTTLS on port"},
        {"unknown host", Account("no-such-host.invalid", port, starttls), Mail(), "secret", true,
         "Could not find the mail server no-such-host.invalid"},
        {"nothing listening", Account("127.0.0.1", serverprocess::FreePort(), starttls), Mail(), "secret", true,
         "Could not connect to the mail server 127.0.0.1 on port"},
    };
    for (const Row& row : rows) {
        const CSmtpSend sent = SendMail(row.account, row.password, row.mail, Trusting(row.trust));
        EXPECT_NE(sent.error.find(row.expected), std::string::npos) << row.name << ": " << sent.error;
        EXPECT_EQ(sent.error.find('\n'), std::string::npos) << row.name;
        EXPECT_TRUE(sent.message.empty()) << row.name;
    }
    ASSERT_TRUE(SendMail(Account("127.0.0.1", port, starttls), CSmtpServer::kPassword, Mail(), Trusting()).Ok());
    EXPECT_EQ(m_server.WaitForDelivered(1).size(), 1u);
}

// A server that takes the connection and never answers: the timeout is one
// message, and a cancel ends the wait long before it, in either TLS mode.
TEST(SilentServerSend, TimesOutOrIsCancelled)
{
    const CSilentListener listener;
    ASSERT_NE(listener.Port(), 0);
    for (const MailSecurity security : {MailSecurity::StartTls, MailSecurity::ImplicitTls})
        for (const bool cancel : {false, true}) {
            SCOPED_TRACE(std::string(SecurityName(security)) + (cancel ? ", cancelled" : ""));
            const auto started = std::chrono::steady_clock::now();
            CSmtpOptions options;
            options.timeoutSeconds = cancel ? 30 : 1;
            if (cancel)
                options.cancelled = [started] { return std::chrono::steady_clock::now() - started > std::chrono::milliseconds(300); };
            const CSmtpSend sent = SendMail(Account("127.0.0.1", listener.Port(), security), "pw", Mail(), options);
            EXPECT_EQ(sent.error, cancel ? "The sending was cancelled." : "The mail server 127.0.0.1 did not answer in time.");
            EXPECT_EQ(sent.cancelled, cancel);
            EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        }
}

} // namespace
