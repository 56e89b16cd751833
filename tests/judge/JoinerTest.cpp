#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "support/FileSizeLimit.h"
#include "support/ImmutableFile.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/StandardBoardGame.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class JoinerTest : public ::testing::Test, protected CStandardBoardGame {};

struct JoinCase {
    const char* name;
    std::string input;
    std::string expected;
};

void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.name; }

class JoinTextTest : public JoinerTest, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(JoinTextTest, GivesExactBytes)
{
    EXPECT_EQ(JoinReportText(doc, GetParam().input), GetParam().expected);
    EXPECT_TRUE(services.messages.empty());
}

const JoinCase kJoinCases[] = {
    {"OrderOverThreeLines",
     "Movement results for Spring of 1901.  (dt.001)\n"
     "\n"
     "Austria: Army Budapest -> Serbia, the\n"
     "      long wrapped\n"
     "\ttail.\n",
     "Movement results for Spring of 1901.  (dt.001)\n"
     " \n"
     "Austria: Army Budapest -> Serbia, the long wrapped tail.\n"},
    {"FirstEntryFlushesEmptyLine",
     "Retreat orders for Fall of 1901.\n"
     "Germany: Army Munich -> Bohemia.\n"
     "France: Army Paris -> Gascony.\n",
     "Retreat orders for Fall of 1901.\n"
     "\n"
     "Germany: Army Munich -> Bohemia.\n"
     "France: Army Paris -> Gascony.\n"},
    {"NoSectionCopiesLinesAndAddsEmptyLineBeforeEnds",
     "Starting position for Spring of 1901.\n"
     "Austria: Army  Vienna.\n"
     "   indented\n"
     "The deadline for the first orders is Tue Jan 06 2004.\n"
     "The next phase of 'dt' will be Movement.\n"
     "last\n",
     "Starting position for Spring of 1901.\n"
     "Austria: Army  Vienna.\n"
     "   indented\n"
     "\n"
     "The deadline for the first orders is Tue Jan 06 2004.\n"
     "\n"
     "The next phase of 'dt' will be Movement.\n"
     "last\n"
     "\n"},
    {"HeadingOutsideSectionTakesNextLineDirectly",
     "Ownership of supply centers:\n"
     "Austria: Vienna.\n"
     "England: London.\n",
     "\n"
     "Ownership of supply centers:Austria: Vienna.\n"
     "England: London.\n"
     "\n"},
    {"OwnershipInsideSection",
     "Movement results for Fall of 1901.\n"
     "Austria: Army Vienna HOLD.\n"
     "\n"
     "Ownership of supply centers:\n"
     "\n"
     "Austria: Budapest, Trieste,\n"
     "         Vienna.\n"
     "Unowned: Serbia,\n"
     "         Tunis.\n"
     "\n"
     "The next phase of 'dt' will be Adjustments for Winter of 1901.\n"
     "The deadline for orders will be Mon Jan 12 2004.\n",
     "Movement results for Fall of 1901.\n"
     "\n"
     "Austria: Army Vienna HOLD. \n"
     "Ownership of supply centers: \n"
     "Austria: Budapest, Trieste, Vienna.\n"
     "Unowned: Serbia, Tunis. \n"
     "The next phase of 'dt' will be Adjustments for Winter of 1901.\n"
     "\n"
     "The deadline for orders will be Mon Jan 12 2004.\n"
     "\n"},
    {"DislodgedHeadingGathersItsLines",
     "Movement results for Spring of 1902.\n"
     "Germany: Army Munich HOLD, dislodged.\n"
     "\n"
     "The following units were dislodged:\n"
     "\n"
     "The Army in Munich with no valid retreats\n"
     "  was destroyed.\n"
     "Germany: Fleet Kiel.\n",
     "Movement results for Spring of 1902.\n"
     "\n"
     "Germany: Army Munich HOLD, dislodged. \n"
     "The following units were dislodged:  The Army in Munich with no valid retreats was destroyed.\n"
     "Germany: Fleet Kiel.\n"},
    {"WindowsLineEndsBecomeLineFeeds",
     "Adjustment orders for Winter of 1901.\r\n"
     "Austria: Builds an army in\r\n"
     "   Vienna.\r\n",
     "Adjustment orders for Winter of 1901.\n"
     "\n"
     "Austria: Builds an army in Vienna.\n"},
    {"LoneCarriageReturnStaysInLine",
     "a\rb\r\n"
     "c\r",
     "a\rb\n"
     "c\r\n"
     "\n"},
    {"LowerCaseCountryStartsEntry",
     "Movement results for Spring of 1901.\n"
     "austria: army vienna -> galicia,\n"
     "  bounce.\n",
     "Movement results for Spring of 1901.\n"
     "\n"
     "austria: army vienna -> galicia, bounce.\n"},
    {"SectionStartOnlyAtLineStart",
     "  Movement results for Spring of 1901.\n"
     "Austria: Army Vienna -> Galicia,\n"
     "  bounce.\n",
     "  Movement results for Spring of 1901.\n"
     "Austria: Army Vienna -> Galicia,\n"
     "  bounce.\n"
     "\n"},
    {"IndentedCountryLineIsContinuation",
     "Movement results for Spring of 1901.\n"
     "Austria: Army Vienna -> Galicia.\n"
     "  England: said nothing.\n",
     "Movement results for Spring of 1901.\n"
     "\n"
     "Austria: Army Vienna -> Galicia. England: said nothing.\n"},
    {"SectionEndInsideLineEndsSection",
     "Movement results for Spring of 1901.\n"
     "Austria: Army Vienna -> Galicia.\n"
     "See you. The deadline for orders is soon.\n"
     "  not joined\n",
     "Movement results for Spring of 1901.\n"
     "\n"
     "Austria: Army Vienna -> Galicia.\n"
     "See you. The deadline for orders is soon.\n"
     "  not joined\n"
     "\n"},
    {"NoFinalLineEnd",
     "Movement results for Spring of 1901.\n"
     "Turkey: Fleet Ankara -> Black Sea.",
     "Movement results for Spring of 1901.\n"
     "\n"
     "Turkey: Fleet Ankara -> Black Sea.\n"},
    {"EmptyText", "", "\n"},
};

INSTANTIATE_TEST_SUITE_P(Lines, JoinTextTest, ::testing::ValuesIn(kJoinCases),
                         RowName());

// Non-blank lines with their trailing white space removed.
std::vector<std::string> Content(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line.erase(line.find_last_not_of(" \t") + 1);
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

TEST_F(JoinerTest, JoiningTwiceOnlyAddsEmptyLines)
{
    const std::string report = "Movement results for Fall of 1901.\n"
                               "\n"
                               "Austria: Army Budapest -> Serbia.\n"
                               "England: Fleet North Sea CONVOY British Army London -> North Sea ->\n"
                               "      Norway.\n"
                               "\n"
                               "Ownership of supply centers:\n"
                               "\n"
                               "Austria: Budapest, Serbia, Trieste,\n"
                               "         Vienna.\n"
                               "Unowned: Belgium.\n"
                               "\n"
                               "The next phase of 'dt' will be Adjustments for Winter of 1901.\n";
    const std::string once = JoinReportText(doc, report);
    const std::string twice = JoinReportText(doc, once);
    EXPECT_EQ(Content(twice), Content(once));
    EXPECT_GT(twice.size(), once.size());
    EXPECT_EQ(Content(once)[2], "England: Fleet North Sea CONVOY British Army London -> North Sea -> Norway.");
}

TEST_F(JoinerTest, CountryWithoutNameStartsNoEntry)
{
    doc.m_countries.insert(doc.m_countries.begin(), CCountry("", 1, 1, 1));
    doc.m_nCountries = int32_t(doc.m_countries.size());
    EXPECT_EQ(JoinReportText(doc, "Movement results for Spring of 1901.\n"
                                  "Austria: Army Vienna -> Galicia,\n"
                                  "   bounce.\n"),
              "Movement results for Spring of 1901.\n"
              "\n"
              "Austria: Army Vienna -> Galicia, bounce.\n");
}

// --- Rewriting the file on disk ----------------------------------------

const std::string kWrapped = "Movement results for Spring of 1901.\r\n"
                             "Austria: Army Vienna -> Galicia,\r\n"
                             "   bounce.\r\n";
const std::string kJoined = "Movement results for Spring of 1901.\n"
                            "\n"
                            "Austria: Army Vienna -> Galicia, bounce.\n";

std::vector<std::string> FileNames(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(JoinerTest, RewritesFileWithLineFeeds)
{
    CTempDir dir;
    const auto path = dir.Write("report.txt", kWrapped);
    ASSERT_TRUE(JoinReportLines(doc, path));
    EXPECT_EQ(CTempDir::Read(path), kJoined);
    EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{"report.txt"});
}

TEST_F(JoinerTest, KeepsPermissionsOfReport)
{
    CTempDir dir;
    const auto path = dir.Write("report.txt", kWrapped);
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_read | perms::owner_write | perms::group_read);
    ASSERT_TRUE(JoinReportLines(doc, path));
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::owner_write | perms::group_read);
}

TEST_F(JoinerTest, FollowsSymbolicLinkToReport)
{
    CTempDir dir;
    const auto target = dir.Write("mail/report.txt", kWrapped);
    const auto link = dir.Path() / "link.txt";
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(JoinReportLines(doc, link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(CTempDir::Read(target), kJoined);
}

TEST_F(JoinerTest, MissingFileFails)
{
    CTempDir dir;
    EXPECT_FALSE(JoinReportLines(doc, dir.Path() / "absent.txt"));
    EXPECT_TRUE(FileNames(dir.Path()).empty());
}

TEST_F(JoinerTest, FolderThatTakesNoNewFileLeavesReportUnchanged)
{
    CTempDir dir;
    const auto path = dir.Write("mail/report.txt", kWrapped);
    CImmutable locked(path.parent_path());
    if (!locked.Applied())
        GTEST_SKIP() << "this file system cannot make a folder immutable";
    EXPECT_FALSE(JoinReportLines(doc, path));
    EXPECT_EQ(CTempDir::Read(path), kWrapped);
    EXPECT_EQ(FileNames(path.parent_path()), std::vector<std::string>{"report.txt"});
}

TEST_F(JoinerTest, WriteFailingMidwayLeavesReportUnchanged)
{
    CTempDir dir;
    std::string report = "Movement results for Spring of 1901.\n";
    for (int i = 0; i < 200; ++i)
        report += "Austria: Army Vienna -> Galicia,\n   bounce.\n";
    const auto path = dir.Write("report.txt", report);
    bool joined = true;
    {
        CFileSizeLimit limit(1024);
        ASSERT_TRUE(limit.Applied());
        joined = JoinReportLines(doc, path);
    }
    EXPECT_FALSE(joined);
    EXPECT_EQ(CTempDir::Read(path), report);
    EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{"report.txt"});
}

} // namespace
