#include "judge/PhaseDueRecord.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "support/JudgeGameFiles.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

// The phase due kept beside the game as the real kestrel game is imported.

namespace {

namespace fs = std::filesystem;

class PhaseDueRecordGame : public testing::Test {
protected:
    void SetUp() override
    {
        mails = judgefiles::ResultMails("kestrel");
        if (mails.empty())
            GTEST_SKIP() << "no judge-games folder beside the repository";
        ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
        doc.SetPathName("/games/kestrel.kes");
    }

    std::string NextPhase(const judgefiles::ResultMail& mail) const
    {
        return nlohmann::json::parse(CTempDir::Read(judgefiles::GameFolder("kestrel") / mail.truth))["next_phase"];
    }
    CGameOrdersState State() const
    {
        std::string message;
        return LoadOrdersState(file, message);
    }

    std::vector<judgefiles::ResultMail> mails;
    CTempDir dir;
    const std::string file = (dir.Path() / "state.txt").string();
    CRecordingServices services{(fs::path(KESTRANE_SOURCE_DIR) / "data").string()};
    CKestraneDoc doc{services};
};

TEST_F(PhaseDueRecordGame, MailByMailTheNewestSeasonCounts)
{
    for (const judgefiles::ResultMail& mail : mails) {
        SCOPED_TRACE(mail.file);
        doc.OnImport(dir.Write(mail.file, mail.body).string());
        CGameOrdersState drafted = State();
        drafted.drafts = {"A Vie H"};
        std::string message;
        ASSERT_TRUE(drafted.due || mail.file == mails.front().file);
        ASSERT_TRUE(SaveOrdersState(file, drafted, message));

        const CPhaseDueRecord record = RecordPhaseDue(file, doc, mail.body);
        EXPECT_TRUE(record.written && !record.failed && record.message.empty());
        EXPECT_TRUE(record.draftsDropped);
        const CGameOrdersState state = State();
        ASSERT_TRUE(state.due.has_value());
        EXPECT_EQ(state.due->phase, NextPhase(mail));
        EXPECT_EQ(state.after, doc.m_seasons.back()->m_strSeason);
        EXPECT_EQ(state.game, "/games/kestrel.kes");
        EXPECT_TRUE(state.drafts.empty());
    }
    // An older mail imported again announces a phase that is over.
    const CGameOrdersState before = State();
    const CPhaseDueRecord again = RecordPhaseDue(file, doc, {{mails[3].body, "", "", ""}, {mails[1].body, "", "", ""}});
    EXPECT_FALSE(again.due.has_value() || again.written);
    EXPECT_EQ(State(), before);
}

TEST_F(PhaseDueRecordGame, WholeGameInOneBatchOrHistory)
{
    std::vector<CReportText> texts;
    for (auto mail = mails.rbegin(); mail != mails.rend(); ++mail)
        texts.push_back({mail->body, mail->subject, "", mail->file});
    ImportReportBatch(doc, texts);
    EXPECT_EQ(RecordPhaseDue(file, doc, texts).due->phase, "S1904M");

    // The same phase again takes the deadline and keeps the drafts.
    CGameOrdersState state = State();
    state.drafts = {"A Vie H"};
    state.due->deadline = "earlier";
    std::string message;
    ASSERT_TRUE(SaveOrdersState(file, state, message));
    const std::string history = CTempDir::Read(judgefiles::GameFolder("kestrel-history") / "history-full-reply.txt");
    EXPECT_TRUE(RecordPhaseDue(file, doc, history).written);
    EXPECT_EQ(State().due->deadline, "Thu Jan 29 2004 23:30:00 +0000");
    EXPECT_EQ(State().drafts, state.drafts);

    // Another game's mail of the same season is not this game's news.
    std::string other = mails.back().body;
    other.replace(other.find("Game: Kestrel"), 13, "Game: Falcon ");
    EXPECT_FALSE(RecordPhaseDue(file, doc, other).due.has_value());
}

} // namespace
