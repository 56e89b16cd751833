#include "judge/HeaderLine.h"
#include "judge/ReportOrder.h"
#include "judge/ReportSplit.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::string Report(const std::string& season, const std::string& body = "Movement results for Spring of 1901.\n")
{
    return ":: Judge: TEST  Game: kt  Variant: Standard\n:: Deadline: " + season +
           " Mon Jan 12 2004 23:30 -0500\n\n" + body;
}

struct HeaderRow {
    const char* name;
    std::string line;
    bool header;
};

class BatchSplitHeader : public testing::TestWithParam<HeaderRow> {};

TEST_P(BatchSplitHeader, RecognisesTheFileFormOfTheHeaderLine)
{
    EXPECT_EQ(IsJudgeHeaderLine(GetParam().line), GetParam().header);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchSplitHeader,
    testing::Values(HeaderRow{"ColonsFirst", ":: Judge: XXXX  Game: dt", true},
                    HeaderRow{"TextBeforeColons", "> :: Judge: XXXX  Game: dt", true},
                    HeaderRow{"JudgeFirst", "Judge: XXXX", true},
                    HeaderRow{"IndentedJudge", " Judge: XXXX", false},
                    HeaderRow{"LowerCase", ":: judge: XXXX", false},
                    HeaderRow{"DeadlineLine", ":: Deadline: S1901M", false},
                    HeaderRow{"Empty", "", false}),
    RowName());

TEST(BatchSplitPieces, SplitsBeforeEachHeaderAndKeepsThePreambleWithTheFirst)
{
    const std::string preamble = "From judge@example.org Mon Jan 12\nSubject: Re: TEST:kt - S1901M\n\n";
    const std::string first = Report("S1901M");
    const std::string second = "From judge@example.org Tue Jan 13\n";
    const std::string third = Report("F1901M");
    const std::string text = preamble + first + second + third;

    const auto pieces = SplitJudgeMails(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], preamble + first + second);
    EXPECT_EQ(pieces[1], third);
    EXPECT_EQ(std::accumulate(pieces.begin(), pieces.end(), std::string()), text);
}

TEST(BatchSplitPieces, KeepsCrLfLineEndsAndFindsHeadersAfterThem)
{
    const std::string text = ":: Judge: A  Game: g\r\n:: Deadline: S1901M x\r\nbody\r\nJudge: A\r\nmore\r\n";
    const auto pieces = SplitJudgeMails(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], ":: Judge: A  Game: g\r\n:: Deadline: S1901M x\r\nbody\r\n");
    EXPECT_EQ(pieces[1], "Judge: A\r\nmore\r\n");
}

TEST(BatchSplitPieces, TextWithoutHeaderIsOnePiece)
{
    EXPECT_EQ(SplitJudgeMails("just a notice\nno header\n"), std::vector<std::string>{"just a notice\nno header\n"});
    EXPECT_EQ(SplitJudgeMails(""), std::vector<std::string>{""});
}

TEST(BatchSplitPieces, LastLineWithoutLineEndStillCounts)
{
    const auto pieces = SplitJudgeMails("a\n:: Judge: X");
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(SplitJudgeMails(Report("S1901M") + ":: Judge: X").size(), 2u);
}

struct NameRow {
    const char* name;
    std::string piece;
    std::string season;
};

class BatchSplitSeasonName : public testing::TestWithParam<NameRow> {};

TEST_P(BatchSplitSeasonName, IsTheNameTheImportFilesThePieceUnder)
{
    EXPECT_EQ(FiledSeasonName(GetParam().piece), GetParam().season);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, BatchSplitSeasonName,
    testing::Values(
        NameRow{"Movement", Report("F1901M"), "F1901M"},
        NameRow{"GameStartIsAYearEarlier", Report("S1901M", "\nYou have been selected as France.\n"), "S1900M"},
        NameRow{"SelectedOnlyOnDeadlineLineDoesNotCount",
                ":: Judge: T  Game: g\n:: Deadline: S1901M You have been selected\n", "S1901M"},
        NameRow{"PreambleBeforeHeader", "Subject: x\n\n" + Report("F1902B"), "F1902B"},
        NameRow{"LastFullStopIsABlank", ":: Judge: T\n:: Deadline: F1901R.\n", "F1901R"},
        NameRow{"CrLf", ":: Judge: T\r\n:: Deadline: S1905R Mon\r\n", "S1905R"},
        NameRow{"NoDeadlineWord", ":: Judge: T\n:: Game over\n", ""},
        NameRow{"DeadlineKeywordIsCaseSensitive", ":: Judge: T\n:: deadline: S1901M\n", ""},
        NameRow{"NoHeader", "Deadline: S1901M\n", ""},
        NameRow{"ShortNameGameStart", ":: Judge: T\nDeadline: S19\nYou have been selected\n", "S18"}),
    RowName());

TEST(BatchSplitOrder, PutsAShuffledYearInGameOrder)
{
    const std::vector<std::string> shuffled = {
        Report("F1901B"), Report("S1901M"), Report("F1901R"),
        Report("S1901M", "You have been selected as England.\n"), Report("F1901M"), Report("S1902M")};
    std::vector<std::string> names;
    for (const auto& piece : OrderBySeason(shuffled))
        names.push_back(FiledSeasonName(piece));
    EXPECT_EQ(names, (std::vector<std::string>{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B", "S1902M"}));
}

TEST(BatchSplitOrder, NamelessPiecesFirstAndEqualNamesKeepTheirOrder)
{
    const std::string duplicateA = Report("S1901M", "first copy\n");
    const std::string duplicateB = Report("S1901M", "second copy\n");
    const std::string notice = "Judge: TEST\nno deadline here\n";
    const auto ordered = OrderBySeason({duplicateA, Report("F1901M"), notice, duplicateB});
    ASSERT_EQ(ordered.size(), 4u);
    EXPECT_EQ(ordered[0], notice);
    EXPECT_EQ(ordered[1], duplicateA);
    EXPECT_EQ(ordered[2], duplicateB);
    EXPECT_EQ(FiledSeasonName(ordered[3]), "F1901M");
}

TEST(BatchSplitOrder, KeysFollowYearThenSeasonThenPhase)
{
    EXPECT_LT(SeasonKeyOf("F1901B"), SeasonKeyOf("S1902M"));
    EXPECT_LT(SeasonKeyOf("S1901B"), SeasonKeyOf("F1901M"));
    EXPECT_LT(SeasonKeyOf("F1901M"), SeasonKeyOf("F1901R"));
    EXPECT_LT(SeasonKeyOf("F1901R"), SeasonKeyOf("F1901B"));
    EXPECT_LT(SeasonKeyOf("F1901B"), SeasonKeyOf("F1901X"));
    EXPECT_LT(SeasonKeyOf("F1901M"), SeasonKeyOf("W1901M"));
    EXPECT_EQ(SeasonKeyOf("S1901M"), SeasonKeyOf("S1901M"));
}

} // namespace
