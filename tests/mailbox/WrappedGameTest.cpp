#include "JudgeGame.h"
#include "MailBuilder.h"

#include "mailbox/MailMessage.h"
#include "mailbox/MailSources.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

// The real Judge's games as a player's mail program keeps them: every mail
// wrapped as mail programs wrap it, alone, in one mbox and in a Maildir
// folder. Each must give back the Judge's bytes and file the very game the
// plain mails file.

namespace {

namespace fs = std::filesystem;
using mailbuilder::Wrapping;

const char* const kGames[] = {"kestrel", "kestrel-2003"};

class WrappedGame : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (!judgegame::Available(GetParam()))
            GTEST_SKIP() << "no judge-games folder beside the repository";
        mails = judgegame::Mails(GetParam());
        ASSERT_GE(mails.size(), 13u);
        std::vector<std::string> messages;
        plainGame = judgegame::SavedGame(judgegame::TextsOf(mails), messages);
        ASSERT_EQ(messages, std::vector<std::string>{});
    }

    // The i-th mail wrapped the way the i-th of a mixed mailbox is.
    std::string Wrapped(size_t i, Wrapping wrapping) const
    {
        return mailbuilder::Message(mails[i].body, mails[i].subject, judgegame::DateOf(i), wrapping);
    }
    std::string Mixed(size_t i) const { return Wrapped(i, mailbuilder::kAllWrappings[i % mailbuilder::kAllWrappings.size()]); }

    // Files the texts as a new game and checks it is the plain mails' game.
    void ExpectPlainGame(const std::vector<CReportText>& reports) const
    {
        ASSERT_EQ(reports.size(), mails.size());
        std::vector<std::string> messages;
        EXPECT_EQ(judgegame::SavedGame(judgegame::TextsOf(reports), messages), plainGame);
        EXPECT_EQ(messages, std::vector<std::string>{});
    }

    std::vector<judgegame::Mail> mails;
    std::string plainGame;
    CTempDir temp;
};

TEST_P(WrappedGame, EachWrappingGivesBackTheJudgesBytes)
{
    for (Wrapping wrapping : mailbuilder::kAllWrappings) {
        SCOPED_TRACE(mailbuilder::Name(wrapping));
        std::vector<CReportText> reports;
        for (size_t i = 0; i < mails.size(); ++i) {
            SCOPED_TRACE(mails[i].file);
            std::string problem;
            const auto report = ReadMailMessage(Wrapped(i, wrapping), mails[i].file, &problem);
            ASSERT_TRUE(report) << problem;
            EXPECT_EQ(report->text, mails[i].body);
            EXPECT_EQ(report->subject, mails[i].subject);
            EXPECT_EQ(report->date, judgegame::DateOf(i));
            EXPECT_EQ(report->origin, mails[i].file);
            reports.push_back(*report);
        }
        ExpectPlainGame(reports);
    }
}

TEST_P(WrappedGame, FlowedForwardsFileThePlainGame)
{
    // The Judge's 95-column convoy lines come broken and are joined again;
    // only trailing blanks, which no season keeps, are lost on the way.
    std::vector<CReportText> reports;
    bool broken = false;
    for (size_t i = 0; i < mails.size(); ++i) {
        const std::string mail = mailbuilder::FlowedForward(mails[i].body, mails[i].subject, judgegame::DateOf(i));
        broken = broken || mail.find(" \n") != std::string::npos;
        const auto report = ReadMailMessage(mail, mails[i].file);
        ASSERT_TRUE(report);
        EXPECT_EQ(report->subject, mails[i].subject);
        reports.push_back(*report);
    }
    EXPECT_TRUE(broken) << "no line was long enough to be broken";
    ExpectPlainGame(reports);
}

TEST_P(WrappedGame, SavedMessagesFileThePlainGame)
{
    std::vector<std::string> paths;
    for (size_t i = 0; i < mails.size(); ++i)
        paths.push_back(temp.Write(mails[i].file + ".eml", Mixed(i)).string());
    std::vector<std::string> problems;
    const std::vector<CReportText> reports = ReadMailSources(paths, problems);
    EXPECT_EQ(problems, std::vector<std::string>{});
    ExpectPlainGame(reports);
    for (size_t i = 0; i < reports.size(); ++i)
        EXPECT_EQ(reports[i].origin, paths[i]);
}

TEST_P(WrappedGame, OneMboxFilesThePlainGameAndStaysAsItWas)
{
    std::vector<std::string> messages;
    for (size_t i = 0; i < mails.size(); ++i)
        messages.push_back(Mixed(i));
    const std::string mbox = mailbuilder::Mbox(messages);
    const fs::path path = temp.Write("Judge.mbox", mbox);
    const auto stamp = fs::last_write_time(path);

    std::vector<std::string> problems;
    const std::vector<CReportText> reports = ReadMailSources({path.string()}, problems);
    EXPECT_EQ(problems, std::vector<std::string>{});
    ExpectPlainGame(reports);
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].origin, path.string() + ", mail " + std::to_string(i + 1));
        EXPECT_EQ(reports[i].subject, mails[i].subject);
    }
    EXPECT_EQ(CTempDir::Read(path), mbox);
    EXPECT_EQ(fs::last_write_time(path), stamp);

    // The same bytes from memory, as from standard input.
    std::vector<std::string> memoryProblems;
    EXPECT_EQ(judgegame::TextsOf(ReadMailBytes(mbox, "standard input", memoryProblems)),
              judgegame::TextsOf(reports));
    EXPECT_EQ(memoryProblems, std::vector<std::string>{});
}

TEST_P(WrappedGame, MaildirFilesThePlainGame)
{
    // Read mail in cur/ with its flags, new mail in new/, as mail programs keep them.
    const fs::path maildir = temp.Path() / "Maildir";
    fs::create_directories(maildir / "tmp");
    for (size_t i = 0; i < mails.size(); ++i) {
        const std::string name = std::to_string(1073518200 + i) + ".M" + std::to_string(i) + ".judge";
        if (i % 2)
            temp.Write("Maildir/cur/" + name + ":2,S", Mixed(i));
        else
            temp.Write("Maildir/new/" + name, Mixed(i));
    }
    temp.Write("Maildir/tmp/1073519999.part", "From: half a mail\n");
    temp.Write("Maildir/cur/.dovecot.index", "not a mail");

    EXPECT_TRUE(IsMaildir(maildir.string()));
    EXPECT_TRUE(IsMailSource(maildir.string()));
    std::vector<std::string> problems;
    const std::vector<CReportText> reports = ReadMailSources({maildir.string()}, problems);
    EXPECT_EQ(problems, std::vector<std::string>{});
    ExpectPlainGame(reports);
}

INSTANTIATE_TEST_SUITE_P(Games, WrappedGame, ::testing::ValuesIn(kGames), [](const auto& info) {
    std::string name = info.param;
    return name == "kestrel" ? std::string("Kestrel") : std::string("Kestrel2003");
});

} // namespace
