#include "mailaccess/FetchMarks.h"
#include "mailaccess/MailAccount.h"
#include "support/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

CMailAccount Account()
{
    CMailAccount account;
    account.m_strServer = "imap.example.org";
    account.m_strUser = "austria@example.org";
    account.m_strFilter = DefaultMailFilter("XXXX", "kestrel");
    return account;
}

TEST(MailAccountTest, ProblemsNameWhatIsWrong)
{
    struct Row {
        const char* name;
        void (*change)(CMailAccount&);
        const char* expected; // part of the problem; "" for none
    };
    const std::vector<Row> rows = {
        {"complete", [](CMailAccount&) {}, ""},
        {"no server", [](CMailAccount& a) { a.m_strServer.clear(); }, "No mail server is set"},
        {"server with a path", [](CMailAccount& a) { a.m_strServer = "imap.example.org/x"; }, "is not a host name"},
        {"port zero", [](CMailAccount& a) { a.m_nPort = 0; }, "is not a port number"},
        {"port too large", [](CMailAccount& a) { a.m_nPort = 65536; }, "is not a port number"},
        {"no user", [](CMailAccount& a) { a.m_strUser.clear(); }, "No user name"},
        {"user with a line break", [](CMailAccount& a) { a.m_strUser = "a\r\nb"; }, "line break"},
        {"empty folder", [](CMailAccount& a) { a.m_strFolder.clear(); }, "folder name"},
        {"filter with a second command", [](CMailAccount& a) { a.m_strFilter = "ALL\r\nK9 DELETE INBOX"; },
         "filter"},
    };
    for (const Row& row : rows) {
        CMailAccount account = Account();
        row.change(account);
        const std::string problem = account.Problem();
        if (*row.expected == '\0')
            EXPECT_EQ(problem, "") << row.name;
        else
            EXPECT_NE(problem.find(row.expected), std::string::npos) << row.name << ": " << problem;
    }
}

TEST(MailAccountTest, StoredPerGameFile)
{
    CMemorySettingsStore store;
    CMailAccount kestrel = Account();
    kestrel.m_nPort = 143;
    kestrel.m_security = MailSecurity::StartTls;
    kestrel.m_strFolder = "Games/Kestrel";
    kestrel.Save(store, "/home/a/kestrel.kes");
    CMailAccount other = Account();
    other.m_strServer = "mail.example.net";
    other.Save(store, "/home/a/other.kes");

    EXPECT_EQ(CMailAccount::Load(store, "/home/a/kestrel.kes"), kestrel);
    EXPECT_EQ(CMailAccount::Load(store, "/home/a/other.kes"), other);
    const CMailAccount none = CMailAccount::Load(store, "/home/a/new.kes");
    EXPECT_EQ(none.m_strServer, "");
    EXPECT_EQ(none.m_security, MailSecurity::ImplicitTls);
    EXPECT_EQ(none.m_nPort, 993);
    EXPECT_EQ(none.m_strFolder, "INBOX");
    // No password is ever among the stored entries.
    for (const auto& [key, value] : store.values)
        EXPECT_EQ(key.find("assword"), std::string::npos) << key;
}

TEST(MailAccountTest, UnknownSecurityIsNeverPlain)
{
    CMemorySettingsStore store;
    store.WriteProfileString(MailboxSection("/g.kes"), "Security", "none");
    EXPECT_EQ(CMailAccount::Load(store, "/g.kes").m_security, MailSecurity::ImplicitTls);
}

TEST(MailAccountTest, SectionsKeepPathsApart)
{
    const std::vector<std::string> paths = {"/a/b.kes", "/a%2Fb.kes", "/a b.kes", "/a/b.KES", "C:\\a\\b.kes"};
    std::vector<std::string> sections;
    for (const std::string& path : paths) {
        const std::string section = MailboxSection(path);
        EXPECT_EQ(section.find('/'), std::string::npos) << path;
        EXPECT_EQ(section.find('\\'), std::string::npos) << path;
        for (const std::string& other : sections)
            EXPECT_NE(section, other) << path;
        sections.push_back(section);
    }
}

TEST(MailAccountTest, DefaultFilter)
{
    EXPECT_EQ(DefaultMailFilter("XXXX", "kestrel"), "SUBJECT \"XXXX:kestrel\" BODY \"Judge: XXXX\"");
    EXPECT_EQ(DefaultMailFilter("", ""), "BODY \":: Judge:\"");
    EXPECT_EQ(DefaultMailFilter("XXXX", ""), "BODY \":: Judge:\"");
    EXPECT_EQ(DefaultMailFilter("XX\r\nXX", "kestrel"), "BODY \":: Judge:\"");
}

TEST(FetchMarksTest, SavedAndReadBack)
{
    CTempDir dir;
    const std::string file = (dir.Path() / "config" / "marks").string();
    CFetchMarks marks;
    const std::vector<std::string> keys = {CFetchMarks::Key("/home/a/kestrel.kes", Account()),
                                           CFetchMarks::Key("/home/a/with space %41.kes", Account()),
                                           CFetchMarks::Key("/home/a/line\nbreak.kes", Account())};
    for (size_t i = 0; i < keys.size(); ++i)
        marks.Set(keys[i], {uint32_t(1000 + i), uint32_t(7 * i + 1)});
    std::string error;
    ASSERT_TRUE(marks.Save(file, error)) << error;

    CFetchMarks read;
    ASSERT_TRUE(read.Load(file, error)) << error;
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(read.Get(keys[i]), (CFetchMark{uint32_t(1000 + i), uint32_t(7 * i + 1)})) << keys[i];
    EXPECT_EQ(read.Get("unknown"), CFetchMark{});
}

TEST(FetchMarksTest, AnotherFolderIsAnotherKey)
{
    CMailAccount other = Account();
    other.m_strFolder = "Judge";
    EXPECT_NE(CFetchMarks::Key("/g.kes", Account()), CFetchMarks::Key("/g.kes", other));
    other = Account();
    other.m_strUser = "someone";
    EXPECT_NE(CFetchMarks::Key("/g.kes", Account()), CFetchMarks::Key("/g.kes", other));
}

TEST(FetchMarksTest, MissingAndDamagedFiles)
{
    CTempDir dir;
    CFetchMarks marks;
    std::string error;
    EXPECT_TRUE(marks.Load((dir.Path() / "none").string(), error));
    const auto file = dir.Write("marks", "# marks\n12 x /broken\n5 9 /good.kes\tk\n99999999999 1 /huge.kes\n");
    ASSERT_TRUE(marks.Load(file.string(), error));
    EXPECT_EQ(marks.Get("/good.kes\tk"), (CFetchMark{5, 9}));
    EXPECT_EQ(marks.Get("/broken"), CFetchMark{});
    EXPECT_EQ(marks.Get("/huge.kes"), CFetchMark{});
}

TEST(FetchMarksTest, FailedSaveKeepsTheOldFile)
{
    CTempDir dir;
    const auto file = dir.Write("marks", "1 2 /old.kes\n");
    // A folder standing where the temporary file would go stops the write.
    std::filesystem::create_directories(file.string() + ".new/x");
    CFetchMarks marks;
    marks.Set("/new.kes", {3, 4});
    std::string error;
    EXPECT_FALSE(marks.Save(file.string(), error));
    EXPECT_NE(error.find("Could not write"), std::string::npos);
    EXPECT_EQ(CTempDir::Read(file), "1 2 /old.kes\n");
}

} // namespace
