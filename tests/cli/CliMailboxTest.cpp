#include "CliFixture.h"

#include "mailbox/MailBuilder.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

// import --batch on mail as players keep it: the real Judge's games wrapped
// as mail programs wrap them, in one mbox and in a Maildir folder, file the
// game the plain mails file one by one; the mailboxes stay as they were.

namespace {

namespace fs = std::filesystem;
using mailbuilder::Wrapping;

struct JudgeMail {
    std::string file, body, subject;
};

std::vector<JudgeMail> GameMails(const std::string& game)
{
    const fs::path folder = fs::path(KESTRANE_SHARED_DIR) / "judge-games" / game;
    std::ifstream in(folder / "index.json");
    std::vector<JudgeMail> mails;
    for (const auto& entry : nlohmann::json::parse(in))
        mails.push_back({entry.at("file").get<std::string>(),
                         CTempDir::Read(folder / entry.at("file").get<std::string>()),
                         entry.value("subject", std::string())});
    return mails;
}

std::string Mixed(const std::vector<JudgeMail>& mails, size_t i)
{
    return mailbuilder::Message(mails[i].body, mails[i].subject, "Wed, 07 Jan 2004 23:30:00 +0000",
                                mailbuilder::kAllWrappings[i % mailbuilder::kAllWrappings.size()]);
}

class CliMailbox : public CliBinary, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        if (!fs::is_regular_file(fs::path(KESTRANE_SHARED_DIR) / "judge-games" / GetParam() / "index.json"))
            GTEST_SKIP() << "no judge-games folder beside the repository";
        // The shipped standard board, for the real Judge's mails.
        fs::create_directories(m_install.Path() / "Maps");
        for (const char* file : {"Standard.map", "STANDARD.BMP"})
            fs::copy_file(fs::path(KESTRANE_SOURCE_DIR) / "data" / "Maps" / file, m_install.Path() / "Maps" / file);
        mails = GameMails(GetParam());
        ASSERT_GE(mails.size(), 13u);

        // The plain mails one by one, each from a copy, in one run: every
        // run opens and saves the game once, as the batch does.
        ASSERT_EQ(Cli({"new", "Standard", Game()}).status, 0);
        std::vector<std::string> plain{"import", Game()};
        for (const JudgeMail& mail : mails)
            plain.push_back(Report("plain-" + mail.file, mail.body));
        const CCliRun run = Cli(plain);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.err, "");
        plainGame = GameBytes();
        fs::remove(Game());
        ASSERT_EQ(Cli({"new", "Standard", Game()}).status, 0);
    }

    // The summary's first line names every season the mails filed.
    bool FiledAll(const std::string& out) const
    {
        const std::string n = std::to_string(mails.size());
        const std::string head = n + " seasons filed from " + n + " mails: S1900M, S1901M, F1901M, F1901R, F1901B";
        return out.compare(0, head.size(), head) == 0;
    }

    std::vector<JudgeMail> mails;
    std::string plainGame;
};

TEST_P(CliMailbox, OneMboxFilesThePlainGame)
{
    std::vector<std::string> messages;
    for (size_t i = 0; i < mails.size(); ++i)
        messages.push_back(Mixed(mails, i));
    const std::string mbox = mailbuilder::Mbox(messages);
    const std::string path = Report("Judge.mbox", mbox);
    const auto stamp = fs::last_write_time(path);

    const CCliRun run = Cli({"import", "--batch", Game(), path});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(FiledAll(run.out)) << run.out;
    EXPECT_EQ(GameBytes(), plainGame);
    EXPECT_EQ(CTempDir::Read(path), mbox);
    EXPECT_EQ(fs::last_write_time(path), stamp);
}

TEST_P(CliMailbox, ShuffledMaildirFilesThePlainGame)
{
    // Delivered newest first: the batch puts them in game order.
    const fs::path maildir = m_work.Path() / "Maildir";
    for (size_t i = 0; i < mails.size(); ++i) {
        const size_t at = mails.size() - 1 - i;
        m_work.Write("Maildir/new/" + std::to_string(1073518200 + at) + ".judge", Mixed(mails, i));
    }
    fs::create_directories(maildir / "cur");

    const CCliRun run = Cli({"import", "--batch", Game(), maildir.string()});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(FiledAll(run.out)) << run.out;
    EXPECT_EQ(GameBytes(), plainGame);
}

TEST_P(CliMailbox, MboxOnStandardInputAndImportedTwice)
{
    std::vector<std::string> messages;
    for (size_t i = 0; i < mails.size(); ++i)
        messages.push_back(Mixed(mails, i));
    const std::string mbox = mailbuilder::Mbox(messages);
    const CCliRun first = Cli({"import", "--batch", Game(), "-"}, mbox);
    EXPECT_EQ(first.status, 0) << first.out << first.err;
    EXPECT_EQ(GameBytes(), plainGame);

    // Everything imported before: nothing changes and that is no failure.
    const CCliRun again = Cli({"import", "--batch", Game(), "-"}, mbox);
    EXPECT_EQ(again.status, 0) << again.out << again.err;
    EXPECT_EQ(again.out.substr(0, again.out.find('\n') + 1),
              "0 seasons filed from " + std::to_string(mails.size()) + " mails.\n");
    EXPECT_EQ(GameBytes(), plainGame);
}

const char* const kGames[] = {"kestrel", "kestrel-2003"};
INSTANTIATE_TEST_SUITE_P(Games, CliMailbox, testing::ValuesIn(kGames), [](const auto& info) {
    return std::string(info.param) == "kestrel" ? std::string("Kestrel") : std::string("Kestrel2003");
});

TEST_F(CliBinary, BatchNamesUnreadableSourcesAndKeepsTheRest)
{
    NewGame();
    const std::string start =
        Report("start.eml", mailbuilder::Message(cligame::GameStart(), "Game Starting",
                                                 "Mon, 12 Jan 2004 23:30:00 -0500", Wrapping::Base64));
    const std::string empty = Report("empty.mbox", "");
    const std::string gone = (m_work.Path() / "gone.mbox").string();

    const CCliRun run = Cli({"import", "--batch", Game(), gone, empty, start});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "1 season filed from 1 mail: S1900M.\n");
    EXPECT_NE(run.out.find("Could not be read:\n  " + gone + ": no such file or folder\n  " + empty +
                           ": the file is empty\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.err, "kestrane-cli: " + gone + ": no such file or folder\nkestrane-cli: " + empty +
                           ": the file is empty\n");
    // What could be read is filed and saved all the same.
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

} // namespace
