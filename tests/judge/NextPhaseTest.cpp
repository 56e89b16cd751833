#include "judge/NextPhase.h"
#include "support/JudgeGameFiles.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

// The phase due and its deadline as the end of a Judge mail announces them.

namespace {

// The deadline line of a mail's header without its blanks at the end:
// "S1902M Mon Jan 12 2004 23:30:00 +0000".
std::string HeaderDeadline(const std::string& mail)
{
    const size_t at = mail.find(":: Deadline: ") + 13;
    const std::string line = mail.substr(at, mail.find('\n', at) - at);
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

class NextPhaseOfGame : public testing::TestWithParam<const char*> {};

// Every result mail names the phase the Judge recorded as next, with the
// deadline the next mail's header carries.
TEST_P(NextPhaseOfGame, AsTheJudgeRecordedIt)
{
    const auto mails = judgefiles::ResultMails(GetParam());
    if (mails.empty())
        GTEST_SKIP() << "no judge-games folder beside the repository";
    const std::string after = CTempDir::Read(judgefiles::GameFolder(GetParam()) / "99-final-list-summary-reply.txt");
    for (size_t i = 0; i < mails.size(); ++i) {
        SCOPED_TRACE(mails[i].file);
        const auto truth = nlohmann::json::parse(CTempDir::Read(judgefiles::GameFolder(GetParam()) / mails[i].truth));
        const std::optional<CPhaseDue> due = ReadPhaseDue(mails[i].body);
        ASSERT_TRUE(due.has_value());
        EXPECT_EQ(due->phase, truth.value("next_phase", "?"));
        EXPECT_EQ(PhaseCodeOfWords(due->words), due->phase);
        const std::string next = HeaderDeadline(i + 1 < mails.size() ? mails[i + 1].body : after);
        EXPECT_EQ(due->phase + " " + due->deadline, next);
        EXPECT_TRUE(due->deadlineTime.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Games, NextPhaseOfGame, testing::Values("kestrel", "kestrel-2003"), [](const auto& info) {
    std::string name = info.param;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
});

struct TextCase {
    const char* name;
    std::string text;     // empty: the real reply is not beside the repository
    std::string expected; // phase, words and deadline, "|" between; empty: none
};

class NextPhaseOfText : public testing::TestWithParam<TextCase> {};

TEST_P(NextPhaseOfText, Reads)
{
    if (GetParam().text.empty())
        GTEST_SKIP() << "no judge-games folder beside the repository";
    const std::optional<CPhaseDue> due = ReadPhaseDue(GetParam().text);
    EXPECT_EQ(due ? due->phase + "|" + due->words + "|" + due->deadline : "", GetParam().expected);
}

std::string Reply(const char* file)
{
    return CTempDir::Read(judgefiles::GameFolder("kestrel-history") / file);
}

const std::string kDeadline = "The deadline for orders will be Mon Jan 12 2004 23:30:00 +0000.\n";
const std::string kSpring1904 = "S1904M|Movement for Spring of 1904|Thu Jan 29 2004 23:30:00 +0000";

INSTANTIATE_TEST_SUITE_P(
    Cases, NextPhaseOfText,
    testing::Values(
        TextCase{"Winter", "The next phase of 'g' will be Adjustments for Winter of 1901.\n" + kDeadline,
                 "F1901B|Adjustments for Winter of 1901|Mon Jan 12 2004 23:30:00 +0000"},
        TextCase{"AbsenceLineBetween",
                 "The next phase of 'g' will be Retreats for Spring of 1902.\nRequested absence(s) activated.\n" +
                     kDeadline,
                 "S1902R|Retreats for Spring of 1902|Mon Jan 12 2004 23:30:00 +0000"},
        TextCase{"WrappedAndQuoted",
                 "> The next phase of 'a_very_long_game_name' will be Movement for\r\n> Summer of 1905.\r\n> " + kDeadline,
                 "U1905M|Movement for Summer of 1905|Mon Jan 12 2004 23:30:00 +0000"},
        TextCase{"GameStart",
                 ":: Judge: USEF  Game: g\n:: Deadline: S1901M Wed Jan 07 2004 23:30:00 +0000\n\n"
                 "The deadline for the first orders is Wed Jan 07 2004 23:30:00 +0000.\n",
                 "S1901M|Movement for Spring of 1901|Wed Jan 07 2004 23:30:00 +0000"},
        TextCase{"Bids", "The next phase of 'g' will be Bids for Year of 1901.\n" + kDeadline, ""},
        TextCase{"DeadlineAlone", kDeadline, ""},
        // Replies to "history": the last phase they hold counts.
        TextCase{"HistoryFull", Reply("history-full-reply.txt"), kSpring1904},
        TextCase{"HistoryPlayer", Reply("history-player-default-reply.txt"), kSpring1904},
        TextCase{"HistoryRange", Reply("history-range-reply.txt"),
                 "F1902M|Movement for Fall of 1902|Mon Jan 12 2004 23:30:00 +0000"},
        TextCase{"Summary", Reply("summary-reply.txt"), ""}),
    RowName());

} // namespace
