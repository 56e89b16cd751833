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
    CGameOrdersState State() const { return LoadOrdersState(file, message); }
    void Draft(const char* line)
    {
        CGameOrdersState state = State();
        state.drafts = {line};
        ASSERT_TRUE(SaveOrdersState(file, state, message));
    }

    std::vector<judgefiles::ResultMail> mails;
    CTempDir dir;
    const std::string file = (dir.Path() / "state.txt").string();
    mutable std::string message;
    CRecordingServices services{(std::filesystem::path(KESTRANE_SOURCE_DIR) / "data").string()};
    CKestraneDoc doc{services};
};

TEST_F(PhaseDueRecordGame, MailByMailTheNewestSeasonCounts)
{
    for (const judgefiles::ResultMail& mail : mails) {
        SCOPED_TRACE(mail.file);
        doc.OnImport(dir.Write(mail.file, mail.body).string());
        Draft("A Vie H");
        const CPhaseDueRecord record = RecordPhaseDue(file, doc, mail.body);
        EXPECT_TRUE(record.written && record.draftsOutdated && record.message.empty());
        EXPECT_EQ(State().earlierDrafts, std::vector<std::string>{"A Vie H"});
        const auto truth = nlohmann::json::parse(CTempDir::Read(judgefiles::GameFolder("kestrel") / mail.truth));
        ASSERT_TRUE(State().due.has_value());
        EXPECT_EQ(State().due->phase, truth["next_phase"]);
        EXPECT_EQ(State().game, "/games/kestrel.kes");
    }
    // Older mails imported again announce phases that are over.
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

    // The same phase again keeps the drafts.
    Draft("A Vie H");
    const std::string history = CTempDir::Read(judgefiles::GameFolder("kestrel-history") / "history-full-reply.txt");
    EXPECT_EQ(RecordPhaseDue(file, doc, history).due->phase, "S1904M");
    EXPECT_EQ(State().drafts, std::vector<std::string>{"A Vie H"});

    // Another game's mail of the same season is not this game's news.
    std::string other = mails.back().body;
    other.replace(other.find("Game: Kestrel"), 13, "Game: Falcon ");
    EXPECT_FALSE(RecordPhaseDue(file, doc, other).due.has_value());
}

} // namespace
