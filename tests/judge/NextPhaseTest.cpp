#include "judge/NextPhase.h"
#include "support/JudgeGameFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

// The phase due and its deadline as the end of a Judge mail announces them.

namespace {

// The deadline line of a mail's header, "S1902M Mon Jan 12 2004 23:30:00 +0000".
std::string HeaderDeadline(const std::string& mail)
{
    const size_t at = mail.find(":: Deadline: ");
    return at == std::string::npos ? "" : mail.substr(at + 13, mail.find('\n', at) - at - 13);
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
        EXPECT_EQ(due->phase + " " + due->deadline, next.substr(0, next.find_last_not_of(' ') + 1));
        EXPECT_EQ(due->deadlineTime, ParseJudgeTime(next.substr(7)));
        EXPECT_TRUE(due->deadlineTime.has_value());
    }
}

// A test name of letters and digits only.
std::string Named(std::string name)
{
    name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }),
               name.end());
    return name;
}

INSTANTIATE_TEST_SUITE_P(Games, NextPhaseOfGame, testing::Values("kestrel", "kestrel-2003"),
                         [](const auto& info) { return Named(info.param); });

struct HistoryCase {
    const char* file;
    const char* phase; // the last phase the reply announces
};

class NextPhaseOfHistory : public testing::TestWithParam<HistoryCase> {};

TEST_P(NextPhaseOfHistory, TheLastAnnouncementCounts)
{
    const auto folder = judgefiles::GameFolder("kestrel-history");
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "no judge-games folder beside the repository";
    const std::optional<CPhaseDue> due = ReadPhaseDue(CTempDir::Read(folder / GetParam().file));
    ASSERT_EQ(due.has_value(), GetParam().phase != nullptr);
    if (due) {
        EXPECT_EQ(due->phase, GetParam().phase);
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, NextPhaseOfHistory,
                         testing::Values(HistoryCase{"history-full-reply.txt", "S1904M"},
                                         HistoryCase{"history-exclstart-exclend-reply.txt", "S1904M"},
                                         HistoryCase{"history-range-reply.txt", "F1902M"},
                                         HistoryCase{"history-player-default-reply.txt", "S1904M"},
                                         HistoryCase{"summary-reply.txt", nullptr}),
                         [](const auto& info) { return Named(info.param.file); });

struct TextCase {
    const char* name;
    std::string text;
    std::string expected; // phase, words and deadline, "|" between; empty: none
};

class NextPhaseOfText : public testing::TestWithParam<TextCase> {};

TEST_P(NextPhaseOfText, Reads)
{
    const std::optional<CPhaseDue> due = ReadPhaseDue(GetParam().text);
    EXPECT_EQ(due ? due->phase + "|" + due->words + "|" + due->deadline : "", GetParam().expected);
}

const std::string kDeadline = "The deadline for orders will be Mon Jan 12 2004 23:30:00 +0000.\n";

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
        TextCase{"NoDeadline", "The next phase of 'g' will be Movement for Fall of 1901.\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
