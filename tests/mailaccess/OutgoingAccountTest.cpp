#include "mailaccess/OutgoingAccount.h"
#include "support/MemorySettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    using testing::HasSubstr;
    const testing::Matcher<std::string> fine = testing::IsEmpty();
    const std::vector<std::tuple<const char*, void (*)(COutgoingAccount&), testing::Matcher<std::string>>> rows = {
        {"complete", [](COutgoingAccount&) {}, fine},
        {"no login", [](COutgoingAccount& a) { a.m_strUser.clear(); }, fine},
        {"no server", [](COutgoingAccount& a) { a.m_strServer.clear(); }, HasSubstr("No outgoing mail server")},
        {"no From", [](COutgoingAccount& a) { a.m_strFrom.clear(); }, HasSubstr("No From address")},
        {"From with a second header", [](COutgoingAccount& a) { a.m_strFrom = "a@b.org\r\nBcc: c@d.org"; },
         HasSubstr("is not a mail address")},
        {"Judge with a name", [](COutgoingAccount& a) { a.m_strJudgeAddress = "Judge <judge@example.net>"; },
         HasSubstr("is not a mail address")},
        {"Judge unknown", [](COutgoingAccount& a) { a.m_strJudgeAddress.clear(); }, HasSubstr("Judge's address")},
        {"two at signs", [](COutgoingAccount& a) { a.m_strJudgeAddress = "a@b@c"; }, HasSubstr("not a mail address")},
    };
    for (const auto& [name, change, expected] : rows) {
        COutgoingAccount account = Account();
        change(account);
        EXPECT_THAT(account.Problem(), expected) << name;
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
