#include "judge/ReportFile.h"
#include "model/KestraneDoc.h"
#include "support/CountingView.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

using importchecks::SeasonNames;
using Message = CRecordingServices::Message;

constexpr const char* kNoHeader = "Could not find a valid header, this file may be corrupt.";
constexpr const char* kOtherJudge = "The data in this import file is from a different Judge.\nRejecting data.";
constexpr const char* kOtherGame = "The data in this import file is from a different Game.\nRejecting data.";
constexpr const char* kNoSeason = "This report names no valid season on its deadline line,\ndata rejected.";

class HeaderTest : public ::testing::Test {
protected:
    HeaderTest()
    {
        importboard::FillStandardBoard(doc);
        doc.AddObserver(&view);
    }
    ~HeaderTest() override { doc.RemoveObserver(&view); }

    void Import(const std::string& text, bool clipboardForm = false)
    {
        CReportFile file(text);
        doc.ImportReport(file, clipboardForm, doc.Services());
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
    CCountingView view;
};

// A section title, so the import takes a report for results: a header
// with nothing below it is a mail without results.
const std::string kTitle = "Movement results for Spring of 1901.\n";

std::string Report(const std::string& season, const std::string& below = kTitle)
{
    return ":: Judge: ABCD  Game: alpha  Variant: Standard\n"
           ":: Deadline: " + season + " Mon Jan 12 2004 23:30:00 -0500\n"
           "\n" + below;
}

// --- What the header and the deadline line give -------------------------

struct FieldCase {
    const char* name;
    std::string header;
    std::string deadline;
    std::string judge;
    std::string game;
    std::string variant;
    std::string season;
    std::string deadlineText;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class HeaderFieldTest : public HeaderTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(HeaderFieldTest, FillsDocumentAndSeason)
{
    const FieldCase& c = GetParam();
    Import(c.header + "\n" + c.deadline + "\n" + kTitle);
    EXPECT_TRUE(services.messages.empty()) << services.Texts()[0];
    EXPECT_EQ(doc.m_strJudge, c.judge);
    EXPECT_EQ(doc.m_strGame, c.game);
    EXPECT_EQ(doc.m_strVariant, c.variant);
    ASSERT_EQ(doc.m_seasons.size(), 1u);
    const CSeasonHdr& season = *doc.m_seasons.front();
    EXPECT_EQ(season.m_strSeason, c.season);
    EXPECT_EQ(season.m_strDeadline, c.deadlineText);
    EXPECT_EQ(season.m_nCountries, 7);
    EXPECT_EQ(doc.GetCurrentSeason(), &season);
    EXPECT_TRUE(doc.IsModified());
}

const FieldCase kFieldCases[] = {
    {"JudgeGameVariant", ":: Judge: ABCD  Game: alpha  Variant: Standard, Gunboat",
     ":: Deadline: S1901M Mon Jan 12 2004 23:30 -0500", "ABCD", "alpha", "Standard Gunboat ", "S1901M",
     "Mon Jan 12 2004 23 30 -0500 "},
    {"HeaderWithoutColonsPrefix", "Judge: USEF Game: dt Variant: Standard",
     "Deadline: F1905M Tue Jan 06 2004 23:30:00 +0000  ", "USEF", "dt", "Standard ", "F1905M",
     "Tue Jan 06 2004 23 30 00 +0000 "},
    {"OnlyLastFullStopSeparates", ":: Judge: J.K  Game: g.1  Variant: Std.a.b.",
     ":: Deadline: S1902M Mon. Jan 12.", "J.K", "g.1", "Std.a.b ", "S1902M", "Mon. Jan 12 "},
    {"TabsAndCommasSeparate", ":: Judge:\tABCD,Game:alpha", ":: Deadline:\tS1901M,Mon", "ABCD", "alpha", "",
     "S1901M", "Mon "},
    {"KeywordsAreCaseSensitive", ":: Judge: ABCD  game: beta  GAME: gamma  Game: alpha  variant: x",
     ":: deadline: S1999M Deadline: S1901M Mon", "ABCD", "alpha", "", "S1901M", "Mon "},
    {"NoGameOnHeader", ":: Judge: XXXX  ", ":: Deadline: S1901M Thu", "XXXX", "", "", "S1901M", "Thu "},
};

INSTANTIATE_TEST_SUITE_P(Fields, HeaderFieldTest, ::testing::ValuesIn(kFieldCases),
                         RowName());

TEST_F(HeaderTest, VariantIsTakenOnlyWhileEmpty)
{
    doc.m_strVariant = "Gunboat ";
    Import(Report("S1901M"));
    EXPECT_EQ(doc.m_strVariant, "Gunboat ");
    EXPECT_EQ(SeasonNames(doc), std::vector<std::string>{"S1901M"});
}

// --- The season chain -------------------------------------------------

struct ChainCase {
    const char* name;
    std::vector<std::string> held;
    std::string reportSeason;
    bool gameStart;
    std::string message; // empty: accepted
    std::vector<std::string> seasonsAfter;
};

void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

class SeasonChainTest : public HeaderTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(SeasonChainTest, AcceptsOrRejects)
{
    const ChainCase& c = GetParam();
    doc.m_strJudge = "ABCD";
    doc.m_strGame = "alpha";
    for (const std::string& name : c.held)
        importchecks::AddSeason(doc, name);
    CSeasonHdr* before = doc.GetCurrentSeason();
    doc.SetModifiedFlag(true);
    view.updates = 0;

    Import(Report(c.reportSeason, c.gameStart ? "You have been selected as France in game 'alpha'.\n" + kTitle : kTitle));

    EXPECT_EQ(SeasonNames(doc), c.seasonsAfter);
    EXPECT_GT(view.updates, 0) << "views are told after every import";
    if (c.message.empty()) {
        EXPECT_TRUE(services.messages.empty()) << services.Texts()[0];
        EXPECT_TRUE(doc.IsModified());
        ASSERT_NE(doc.GetCurrentSeason(), nullptr);
        EXPECT_NE(doc.GetCurrentSeason(), before);
        EXPECT_TRUE(doc.GetCurrentSeason()->m_units[0].empty());
    } else {
        EXPECT_EQ(services.messages, (std::vector<Message>{{c.message, MessageIcon::Exclamation}}));
        EXPECT_TRUE(doc.IsModified()) << "the game held unsaved work before the rejected report";
        EXPECT_EQ(doc.GetCurrentSeason(), before);
    }
}

const ChainCase kChainCases[] = {
    {"FirstMovement", {}, "S1901M", false, "", {"S1901M"}},
    {"GameStartFiledYearEarlier", {}, "S1901M", true, "", {"S1900M"}},
    {"GameStartBeforeFirstMovement", {"S1901M"}, "S1901M", true, "", {"S1900M", "S1901M"}},
    {"GameStartTwice", {"S1900M"}, "S1901M", true,
     "This Season S1900M has been imported previously,\ndata rejected.", {"S1900M"}},
    {"Duplicate", {"S1900M", "S1901M"}, "S1901M", false,
     "This Season S1901M has been imported previously,\ndata rejected.", {"S1900M", "S1901M"}},
    {"RetreatAfterItsMovement", {"F1901M"}, "F1901R", false, "", {"F1901M", "F1901R"}},
    {"RetreatWithoutItsMovement", {"S1901M"}, "F1901R", false,
     "Cannot import Retreat F1901R since no corresponding move data for F1901M exists,\ndata rejected.",
     {"S1901M"}},
    {"RetreatOfOtherYearDoesNotCount", {"F1902M"}, "F1901R", false,
     "Cannot import Retreat F1901R since no corresponding move data for F1901M exists,\ndata rejected.",
     {"F1902M"}},
    {"BuildAfterRetreat", {"F1901M", "F1901R"}, "F1901B", false, "", {"F1901M", "F1901R", "F1901B"}},
    {"BuildAfterMovementOnly", {"F1901M"}, "F1901B", false, "", {"F1901M", "F1901B"}},
    {"BuildAfterRetreatOnly", {"F1901R"}, "F1901B", false, "", {"F1901R", "F1901B"}},
    {"BuildWithoutBase", {"S1901M", "S1901R"}, "F1901B", false,
     "Cannot import Build F1901B since no corresponding move data for F1901M exists,\ndata rejected.",
     {"S1901M", "S1901R"}},
};

INSTANTIATE_TEST_SUITE_P(Chain, SeasonChainTest, ::testing::ValuesIn(kChainCases),
                         RowName());

// --- Judge and game of the document ------------------------------------

struct IdentityCase {
    const char* name;
    std::string docJudge;
    std::string docGame;
    std::string header;
    std::string message; // empty: accepted
    std::string judgeAfter;
    std::string gameAfter;
};

void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.name; }

class IdentityTest : public HeaderTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityTest, ComparesWithDocument)
{
    const IdentityCase& c = GetParam();
    doc.m_strJudge = c.docJudge;
    doc.m_strGame = c.docGame;
    Import(c.header + "\n:: Deadline: S1901M Mon\n" + kTitle);
    EXPECT_EQ(doc.m_strJudge, c.judgeAfter);
    EXPECT_EQ(doc.m_strGame, c.gameAfter);
    if (c.message.empty()) {
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(SeasonNames(doc), std::vector<std::string>{"S1901M"});
        EXPECT_TRUE(doc.IsModified());
    } else {
        EXPECT_EQ(services.messages, (std::vector<Message>{{c.message, MessageIcon::Exclamation}}));
        EXPECT_TRUE(doc.m_seasons.empty());
        EXPECT_FALSE(doc.IsModified());
    }
}

const IdentityCase kIdentityCases[] = {
    {"SameJudgeAndGame", "ABCD", "alpha", ":: Judge: ABCD  Game: alpha", "", "ABCD", "alpha"},
    {"NewDocumentStoresBoth", "", "", ":: Judge: ABCD  Game: alpha", "", "ABCD", "alpha"},
    {"DifferentJudge", "ABCD", "alpha", ":: Judge: EFGH  Game: alpha", kOtherJudge, "ABCD", "alpha"},
    {"DifferentGame", "ABCD", "alpha", ":: Judge: ABCD  Game: beta", kOtherGame, "ABCD", "alpha"},
    {"GameDiffersOnlyInCase", "ABCD", "alpha", ":: Judge: ABCD  Game: Alpha", kOtherGame, "ABCD", "alpha"},
    {"RefusedReportLeavesNoJudgeBehind", "", "alpha", ":: Judge: EFGH  Game: beta", kOtherGame, "", "alpha"},
    {"MissingGameWordIsNoCheck", "ABCD", "alpha", ":: Judge: ABCD", "", "ABCD", "alpha"},
};

INSTANTIATE_TEST_SUITE_P(Identity, IdentityTest, ::testing::ValuesIn(kIdentityCases),
                         RowName());

// --- Which line is a header --------------------------------------------

struct HeaderLineCase {
    const char* name;
    std::string line;
    bool headerInFile;
    bool headerInClipboard;
};

void PrintTo(const HeaderLineCase& c, std::ostream* os) { *os << c.name; }

class HeaderLineTest : public HeaderTest, public ::testing::WithParamInterface<std::tuple<HeaderLineCase, bool>> {};

TEST_P(HeaderLineTest, RecognisedPerForm)
{
    const auto& [c, clipboardForm] = GetParam();
    Import(c.line + "\n:: Deadline: S1901M Mon\nStarting position for Spring of 1901.\n", clipboardForm);
    const bool header = clipboardForm ? c.headerInClipboard : c.headerInFile;
    if (header) {
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(SeasonNames(doc), std::vector<std::string>{"S1901M"});
    } else {
        EXPECT_EQ(services.messages, (std::vector<Message>{{kNoHeader, MessageIcon::None}}));
        EXPECT_TRUE(doc.m_seasons.empty());
    }
}

const HeaderLineCase kHeaderLines[] = {
    {"ColonsAtStart", ":: Judge: ABCD  Game: alpha", true, true},
    {"JudgeWordAtStart", "Judge: ABCD  Game: alpha", true, true},
    {"QuotedInMail", "> :: Judge: ABCD  Game: alpha", true, false},
    {"Indented", "   :: Judge: ABCD  Game: alpha", true, false},
    {"LowerCaseJudge", "judge: ABCD  Game: alpha", false, false},
    {"JudgeWordNotAtStart", "The Judge: ABCD", false, false},
    {"NoBlankAfterColons", "::Judge: ABCD", false, false},
};

INSTANTIATE_TEST_SUITE_P(Lines, HeaderLineTest,
                         ::testing::Combine(::testing::ValuesIn(kHeaderLines), ::testing::Bool()),
                         RowNameAndSource());

// --- The reading loop ----------------------------------------------------

TEST_F(HeaderTest, TitleOnDeadlineLineIsRecognised)
{
    Import(":: Judge: ABCD  Game: alpha\n"
           ":: Deadline: S1901M Starting position\n"
           "Austria: Army Vienna.\n");
    ASSERT_EQ(doc.m_seasons.size(), 1u);
    EXPECT_EQ(doc.m_seasons.front()->m_orders, std::vector<std::string>{"Austria: Army Vienna."});
    EXPECT_EQ(doc.m_seasons.front()->m_strDeadline, "Starting position ");
}

TEST_F(HeaderTest, SectionWithoutHeaderFilesNothing)
{
    Import("Some text.\nStarting position for Spring of 1901.\nAustria: Army Vienna.\n");
    EXPECT_EQ(services.messages, (std::vector<Message>{{kNoHeader, MessageIcon::None}}));
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_EQ(view.updates, 1);
}

TEST_F(HeaderTest, HeaderWithoutSectionFilesNothing)
{
    Import(Report("S1901M", "Nothing else to say.\n"));
    EXPECT_EQ(services.messages,
              (std::vector<Message>{{"This mail from Judge ABCD about game alpha, S1901M (Spring 1901 Movement), holds "
                                     "no results to import: it is an orders status, a reply or a notice.\nNothing "
                                     "was imported.",
                                     MessageIcon::Information}}));
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_strJudge, "");
    EXPECT_EQ(doc.m_strGame, "");
    EXPECT_EQ(doc.m_strVariant, "");
}

TEST_F(HeaderTest, EndOfFileBeforeAnythingShowsNothing)
{
    Import("Just a note.\nAnother one.\n");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_EQ(view.updates, 1);
}

TEST_F(HeaderTest, QuotedSecondHeaderEndsImport)
{
    Import(Report("S1901M", "> :: Judge: ABCD  Game: alpha  Variant: Standard\n"
                            "> :: Deadline: S1901M Mon Jan 12 2004 23:30:00 -0500\n"
                            "Starting position for Spring of 1901.\n"
                            "Austria: Army Vienna.\n"));
    EXPECT_EQ(services.messages,
              (std::vector<Message>{
                  {"This Season S1901M has been imported previously,\ndata rejected.", MessageIcon::Exclamation}}));
    ASSERT_EQ(SeasonNames(doc), std::vector<std::string>{"S1901M"});
    EXPECT_TRUE(doc.m_seasons.front()->m_orders.empty());
    EXPECT_EQ(doc.GetCurrentSeason(), doc.m_seasons.front().get());
    // The first header filed a season, so the game must still ask to be saved.
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(HeaderTest, GameStartMarkerIsSoughtToEndAndFileRewound)
{
    Import(Report("S1901M", "Starting position for Spring of 1901.\n"
                            "Austria: Army Vienna.\n"
                            "The deadline for the first orders is Mon.\n"
                            "Later: You have been selected as Austria.\n"));
    ASSERT_EQ(SeasonNames(doc), std::vector<std::string>{"S1900M"});
    EXPECT_EQ(doc.m_seasons.front()->m_orders, std::vector<std::string>{"Austria: Army Vienna."});
}

// --- Reports that name no usable season --------------------------------

struct BadSeasonCase {
    const char* name;
    std::string text;
};

void PrintTo(const BadSeasonCase& c, std::ostream* os) { *os << c.name; }

class BadSeasonTest : public HeaderTest, public ::testing::WithParamInterface<BadSeasonCase> {};

TEST_P(BadSeasonTest, RejectedWithoutFiling)
{
    doc.SetModifiedFlag(false);
    Import(GetParam().text);
    EXPECT_EQ(services.messages, (std::vector<Message>{{kNoSeason, MessageIcon::Exclamation}}));
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_strJudge, "") << "a refused report leaves the game's names as they were";
}

const BadSeasonCase kBadSeasons[] = {
    {"NoDeadlineWord", ":: Judge: ABCD  Game: alpha\n:: S1901M Mon Jan 12\nStarting position\n"},
    {"DeadlineLineMissing", ":: Judge: ABCD  Game: alpha\nMovement results\n"},
    {"EmptyDeadlineLine", ":: Judge: ABCD  Game: alpha\n\nStarting position\nAustria: Army Vienna.\n"},
    {"NoNameAfterDeadline", ":: Judge: ABCD  Game: alpha\n:: Deadline:\nMovement results\n"},
    {"ShortName", ":: Judge: ABCD  Game: alpha\n:: Deadline: S190 Mon\nMovement results\n"},
    {"LongName", ":: Judge: ABCD  Game: alpha\n:: Deadline: S1901MonOwnership\nAdjustment orders\n"},
    {"YearNotDigits", ":: Judge: ABCD  Game: alpha\n:: Deadline: S19x1M Mon\nMovement results\n"},
    {"FirstYearDigitDamaged", ":: Judge: ABCD  Game: alpha\n:: Deadline: Sx901M Mon\nMovement results\n"},
    {"SecondYearDigitDamaged", ":: Judge: ABCD  Game: alpha\n:: Deadline: S1x01M Mon\nMovement results\n"},
    {"LastYearDigitDamaged", ":: Judge: ABCD  Game: alpha\n:: Deadline: S190xM Mon\nMovement results\n"},
    {"ShortNameOfGameStart",
     ":: Judge: ABCD  Game: alpha\n:: Deadline: F19M\nYou have been selected\nStarting position\n"},
};

INSTANTIATE_TEST_SUITE_P(Seasons, BadSeasonTest, ::testing::ValuesIn(kBadSeasons),
                         RowName());

} // namespace
