#include "mailaccess/OutgoingAccount.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

COutgoingAccount Account()
{
    COutgoingAccount account;
    account.m_strServer = "smtp.example.org";
    account.m_strUser = "austria@example.org";
    account.m_strFrom = "austria@example.org";
    account.m_strJudgeAddress = "judge@example.net";
    return account;
}

TEST(OutgoingAccountTest, ProblemsNameWhatIsWrong)
{
    struct Row {
        const char* name;
        void (*change)(COutgoingAccount&);
        const char* expected; // part of the problem; "" for none
    };
    const std::vector<Row> rows = {
        {"complete", [](COutgoingAccount&) {}, ""},
        {"no login", [](COutgoingAccount& a) { a.m_strUser.clear(); }, ""},
        {"no server", [](COutgoingAccount& a) { a.m_strServer.clear(); }, "No outgoing mail server is set"},
        {"no From", [](COutgoingAccount& a) { a.m_strFrom.clear(); }, "No From address"},
        {"From with a second header", [](COutgoingAccount& a) { a.m_strFrom = "a@b.org\r\nBcc: c@d.org"; },
         "is not a mail address"},
        {"Judge with a name", [](COutgoingAccount& a) { a.m_strJudgeAddress = "Judge <judge@example.net>"; },
         "is not a mail address"},
        {"Judge unknown", [](COutgoingAccount& a) { a.m_strJudgeAddress.clear(); }, "Judge's address"},
        {"two at signs", [](COutgoingAccount& a) { a.m_strJudgeAddress = "a@b@c"; }, "is not a mail address"},
    };
    for (const Row& row : rows) {
        COutgoingAccount account = Account();
        row.change(account);
        const std::string problem = account.Problem();
        if (*row.expected == '\0')
            EXPECT_EQ(problem, "") << row.name;
        else
            EXPECT_NE(problem.find(row.expected), std::string::npos) << row.name << ": " << problem;
    }
}

// Stored beside the incoming account of the same game, without a password;
// one keyring entry serves both when the user says it is the same account.
TEST(OutgoingAccountTest, StoredPerGameWithItsKeyringEntry)
{
    CMemorySettingsStore store;
    COutgoingAccount account = Account();
    account.m_security = MailSecurity::ImplicitTls;
    account.m_nPort = 465;
    account.Save(store, "/home/a/kestrel.kes");
    EXPECT_EQ(COutgoingAccount::Load(store, "/home/a/kestrel.kes"), account);
    EXPECT_EQ(COutgoingAccount::Load(store, "/home/a/other.kes"), COutgoingAccount{});

    CMailAccount incoming;
    incoming.m_strServer = "imap.example.org";
    incoming.m_strUser = "austria@example.org";
    EXPECT_EQ(account.KeyringKey(incoming), "smtp:austria@example.org@smtp.example.org");
    account.m_bSameAsIncoming = true;
    EXPECT_EQ(account.KeyringKey(incoming), incoming.KeyringKey());
}

} // namespace
