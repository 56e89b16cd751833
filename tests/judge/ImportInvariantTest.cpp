#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/FileSizeLimit.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/SeasonSnapshot.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

// Whatever a report holds, importing it never touches a season filed before,
// a refused report leaves the season list as it was, and the game that
// results saves and opens again to the same seasons.

namespace {

using importchecks::Replaced;

namespace fs = std::filesystem;
using seasonsnapshot::Season;
using Snapshot = std::vector<Season>;
using Strings = std::vector<std::string>;

const fs::path kSamples = fs::path(KESTRANE_SOURCE_DIR) / "data" / "samples";
const char* const kSampleFiles[] = {"1-S1901M-game-start.txt", "2-S1901M-movement.txt", "3-F1901M-movement.txt",
                                    "4-F1901R-retreats.txt", "5-F1901B-adjustments.txt"};
enum Sample { kStart, kSpring, kFall, kRetreats, kWinter };

const std::string& SampleText(int sample)
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const char* file : kSampleFiles)
            all.push_back(CTempDir::Read(kSamples / file));
        return all;
    }();
    return texts[size_t(sample)];
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    CReportFile file(text);
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line + "\n");
    return lines;
}

void Import(CKestraneDoc& doc, const std::string& report)
{
    CReportFile file(JoinReportText(doc, report));
    doc.ImportReport(file, false, doc.Services());
}

// The standard board with the samples named in prior imported in order, then
// two seasons of a later year filed by hand (units, centres, orders), so every
// document the tests start from holds several seasons of both kinds.
void FillBaseGame(CKestraneDoc& doc, const std::vector<int>& prior)
{
    importboard::FillStandardBoard(doc);
    doc.m_strImagePath = "Maps\\BOARD.BMP";
    for (int sample : prior)
        Import(doc, SampleText(sample));
    for (const char* name : {"S1903M", "F1903M"}) {
        CSeasonHdr& season = importchecks::AddSeason(doc, name);
        season.m_strDeadline = "Mon Feb 02 2004 ";
        season.m_units[1].emplace_back(CSeasonData::kFleet, importboard::ProvinceSpot(45), "NORTH SEA");
        season.m_units[5].emplace_back(CSeasonData::kArmy, importboard::ProvinceSpot(40), "MOSCOW");
        season.m_centres[5].push_back(importboard::CentreSpot(15));
        season.m_orders = {"England: Fleet North Sea HOLD.", "Russia: Army Moscow HOLD."};
    }
    doc.m_posCurrent = doc.m_seasons.begin();
}

// The invariants for one import, given the seasons before it.
void ExpectSeasonsKept(const Snapshot& before, const Snapshot& after, const std::string& what)
{
    for (const Season& old : before) {
        const auto found = std::find_if(after.begin(), after.end(), [&](const Season& s) { return s.name == old.name; });
        ASSERT_NE(found, after.end()) << old.name << " lost by " << what;
        EXPECT_EQ(found->bytes, old.bytes) << old.name << " changed by " << what;
    }
    ASSERT_GE(after.size(), before.size()) << what;
    ASSERT_LE(after.size(), before.size() + 1) << what;
    if (after.size() == before.size()) {
        EXPECT_EQ(after, before) << what;
    }
}

void ExpectReadsBackTheSame(CKestraneDoc& doc, const std::string& what)
{
    CRecordingServices quiet;
    CKestraneDoc reopened(quiet);
    ASSERT_TRUE(reopened.ReadDocument(doc.WriteDocument())) << what;
    EXPECT_EQ(seasonsnapshot::Take(reopened), seasonsnapshot::Take(doc)) << what;
}

// --- Named reports, imported from files as the Import command does ---------

enum class Form { File, Clipboard };

struct ImportCase {
    const char* name;
    std::vector<int> prior;
    std::string report;
    Form form;
    // The season filed, or empty when the report must be refused.
    std::string filed;
    // The first message shown; nullptr when any (or none) may be.
    const char* message;
};

std::string BinaryNoise()
{
    std::mt19937 random(771);
    std::string noise(3000, '\0');
    for (char& c : noise)
        c = char(random() % 256);
    return noise;
}

constexpr const char* kNoSeason = "This report names no valid season on its deadline line,\ndata rejected.";
// A mail cut before any section title is a mail without results.
constexpr const char* kNoResults = "This mail from Judge USEF about game kestrel holds no results to import: it is "
                                   "an orders status, a reply or a notice.\nNothing was imported.";

std::vector<ImportCase> Cases()
{
    const std::string& fall = SampleText(kFall);
    const std::string fallHead = Lines(fall)[0] + Lines(fall)[1];
    return {
        // Accepted: each phase of the sample year, one through the clipboard.
        {"GameStart", {kSpring, kFall}, SampleText(kStart), Form::File, "S1900M", nullptr},
        {"SpringFiledBetweenSeasons", {kStart, kFall, kRetreats}, SampleText(kSpring), Form::File, "S1901M", nullptr},
        {"FallMovement", {kStart, kSpring}, fall, Form::File, "F1901M", nullptr},
        {"Retreats", {kStart, kSpring, kFall}, SampleText(kRetreats), Form::File, "F1901R", nullptr},
        {"Adjustments", {kStart, kSpring, kFall, kRetreats}, SampleText(kWinter), Form::File, "F1901B", nullptr},
        {"AdjustmentsAfterMovementOnly", {kStart, kSpring, kFall}, SampleText(kWinter), Form::File, "F1901B",
         nullptr},
        {"FallFromClipboard", {kStart, kSpring}, importchecks::WithWindowsLineEnds(fall), Form::Clipboard, "F1901M", nullptr},
        // Refused.
        {"HeaderWithoutSection", {kStart, kSpring}, fallHead, Form::File, "",
         "This mail from Judge USEF about game kestrel, F1901M (Fall 1901 Movement), holds no results to import: "
         "it is an orders status, a reply or a notice.\nNothing was imported."},
        {"DifferentJudge", {kStart, kSpring}, Replaced(fall, "Judge: USEF", "Judge: USXX"), Form::File, "",
         "The data in this import file is from a different Judge.\nRejecting data."},
        {"DifferentGame", {kStart, kSpring}, Replaced(fall, "Game: kestrel", "Game: falcon"), Form::Clipboard, "",
         "The data in this import file is from a different Game.\nRejecting data."},
        {"DuplicateSeason", {kStart, kSpring, kFall}, SampleText(kSpring), Form::File, "",
         "This Season S1901M has been imported previously,\ndata rejected."},
        {"DuplicateGameStart", {kStart, kSpring}, SampleText(kStart), Form::Clipboard, "",
         "This Season S1900M has been imported previously,\ndata rejected."},
        {"SeasonYearNotDigits", {kStart, kSpring}, Replaced(fall, "Deadline: F1901M", "Deadline: F19O1M"), Form::File,
         "", kNoSeason},
        {"SeasonNameTooShort", {kStart, kSpring}, Replaced(fall, "Deadline: F1901M", "Deadline: F1901"), Form::File,
         "", kNoSeason},
        {"NoDeadlineLine", {kStart, kSpring}, Replaced(fall, Lines(fall)[1], ""), Form::File, "", kNoSeason},
        {"CutAfterJudgeLine", {kStart, kSpring}, Lines(fall)[0], Form::File, "", kNoResults},
        {"CutInsideDeadline", {kStart, kSpring}, Lines(fall)[0] + ":: Deadline: F19", Form::File, "", kNoResults},
        {"HeaderDamaged", {kStart, kSpring}, Replaced(fall, ":: Judge:", ":: Judje:"), Form::File, "",
         "Could not find a valid header, this file may be corrupt."},
        {"Empty", {kStart, kSpring}, "", Form::File, "",
         "The file report.txt has no Judge header line (\":: Judge:\"), so it holds nothing to import."},
        {"EmptyClipboard", {kStart, kSpring}, "", Form::Clipboard, "",
         "The clipboard text has no Judge header line (\":: Judge:\"), so it holds nothing to import."},
        {"BinaryNoise", {kStart, kSpring}, BinaryNoise(), Form::File, "", nullptr},
        {"RetreatWithoutMovement", {kStart, kSpring}, SampleText(kRetreats), Form::File, "",
         "Cannot import Retreat F1901R since no corresponding move data for F1901M exists,\ndata rejected."},
        {"BuildWithoutMovement", {kStart, kSpring}, SampleText(kWinter), Form::File, "",
         "Cannot import Build F1901B since no corresponding move data for F1901M exists,\ndata rejected."},
    };
}

class ImportInvariants : public ::testing::Test {
protected:
    ImportInvariants() : m_xdg("XDG_CACHE_HOME", (m_dir.Path() / "cache").string())
    {
        m_dir.Write("Maps/BOARD.BMP", bmp::MakeBitmap8(4, 4, {0x000000, 0xFFFFFF}, [](int, int) { return 1; }));
        m_services.SetInstallDir(m_dir.Str());
    }

    CTempDir m_dir;
    CRecordingServices m_services;

private:
    importchecks::CScopedEnv m_xdg;
};

TEST_F(ImportInvariants, NamedReportsKeepEarlierSeasonsAndSaveAndOpenAgain)
{
    for (const ImportCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        m_services.Clear();
        CKestraneDoc doc(m_services);
        FillBaseGame(doc, c.prior);
        ASSERT_TRUE(m_services.messages.empty()) << ::testing::PrintToString(m_services.Texts());
        const Snapshot before = seasonsnapshot::Take(doc);
        ASSERT_GE(before.size(), 4u);

        if (c.form == Form::File)
            doc.OnImport(m_dir.Write("report.txt", c.report).string());
        else
            doc.OnImportClipboard(c.report);

        const Snapshot after = seasonsnapshot::Take(doc);
        ExpectSeasonsKept(before, after, c.name);
        EXPECT_EQ(m_services.closeRequests, 0);
        if (c.message) {
            ASSERT_FALSE(m_services.messages.empty());
            EXPECT_EQ(m_services.messages.front().text, c.message);
        } else if (!c.filed.empty() || c.report.empty()) {
            EXPECT_TRUE(m_services.messages.empty()) << ::testing::PrintToString(m_services.Texts());
        }
        if (c.filed.empty()) {
            EXPECT_EQ(after, before);
        } else {
            Strings expected = importchecks::SeasonNames(doc);
            const auto filed = std::find(expected.begin(), expected.end(), c.filed);
            ASSERT_NE(filed, expected.end());
            expected.erase(filed);
            Strings old;
            for (const Season& s : before)
                old.push_back(s.name);
            EXPECT_EQ(expected, old);
            ASSERT_NE(doc.GetCurrentSeason(), nullptr);
            EXPECT_EQ(doc.GetCurrentSeason()->m_strSeason, c.filed);
        }

        // Saved and opened through files, as the File menu does.
        m_services.Clear();
        const std::string path = (m_dir.Path() / "game.kes").string();
        ASSERT_TRUE(doc.OnSaveDocument(path));
        CKestraneDoc opened(m_services);
        ASSERT_TRUE(opened.OnOpenDocument(path)) << ::testing::PrintToString(m_services.Texts());
        EXPECT_EQ(seasonsnapshot::Take(opened), after);
        EXPECT_EQ(importchecks::SeasonNames(opened), importchecks::SeasonNames(doc));
    }
}

// --- Generated reports ---------------------------------------------------

// Imports report into a copy of the saved base game and checks every invariant.
void CheckImport(const std::string& baseBytes, const std::string& report, bool clipboardForm, const std::string& what)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(baseBytes));
    const Snapshot before = seasonsnapshot::Take(doc);
    CReportFile file(JoinReportText(doc, report));
    doc.ImportReport(file, clipboardForm, doc.Services());
    ExpectSeasonsKept(before, seasonsnapshot::Take(doc), what);
    EXPECT_EQ(services.closeRequests, 0) << what;
    ExpectReadsBackTheSame(doc, what);
}

// The saved base game for importing sample: every sample before it, then the later seasons.
std::string BaseBytesFor(int sample)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    std::vector<int> prior;
    for (int i = 0; i < sample; ++i)
        prior.push_back(i);
    FillBaseGame(doc, prior);
    return doc.WriteDocument();
}

TEST(ImportInvariantSweep, EveryLineTruncationOfEverySample)
{
    for (int sample = kStart; sample <= kWinter; ++sample) {
        const std::string base = BaseBytesFor(sample);
        const std::vector<std::string> lines = Lines(SampleText(sample));
        ASSERT_GT(lines.size(), 10u) << kSampleFiles[sample];
        std::string report;
        for (size_t kept = 0; kept <= lines.size(); ++kept) {
            CheckImport(base, report, false, std::string(kSampleFiles[sample]) + " cut to " + std::to_string(kept));
            // The same cut in the middle of the next line.
            if (kept < lines.size())
                CheckImport(base, report + lines[kept].substr(0, lines[kept].size() / 2), true,
                            std::string(kSampleFiles[sample]) + " cut inside line " + std::to_string(kept));
            if (kept < lines.size())
                report += lines[kept];
        }
    }
}

TEST(ImportInvariantSweep, RandomLineDropsAndByteFlips)
{
    std::string bases[5];
    for (int sample = kStart; sample <= kWinter; ++sample)
        bases[sample] = BaseBytesFor(sample);
    std::mt19937 random(19010105);
    for (int round = 0; round < 400; ++round) {
        const int sample = int(random() % 5);
        std::vector<std::string> lines = Lines(SampleText(sample));
        for (int drops = int(random() % 4); drops > 0 && !lines.empty(); --drops)
            lines.erase(lines.begin() + long(random() % lines.size()));
        std::string report;
        for (const std::string& line : lines)
            report += line;
        for (int flips = int(random() % 5); flips > 0 && !report.empty(); --flips)
            report[random() % report.size()] = char(random() % 256);
        CheckImport(bases[sample], report, round % 3 == 0, "round " + std::to_string(round));
        if (::testing::Test::HasFailure())
            FAIL() << "first failing report: " << ::testing::PrintToString(report);
    }
}

// --- The report rewrite fails --------------------------------------------

TEST_F(ImportInvariants, FailedReportRewriteKeepsReportAndGame)
{
    CKestraneDoc doc(m_services);
    FillBaseGame(doc, {kStart, kSpring, kFall});
    doc.SetModifiedFlag(false);
    const Snapshot before = seasonsnapshot::Take(doc);
    // A wrapped line makes the joined text differ from the report: the
    // retreats are filed, then taken out again when the rewrite fails.
    const std::string report = SampleText(kRetreats);
    ASSERT_NE(JoinReportText(doc, report), report);
    const fs::path path = m_dir.Write("mail/report.txt", report);
    {
        // Below the joined text's size, so the new file cannot be completed.
        CFileSizeLimit limit(report.size() / 2);
        if (!limit.Applied())
            GTEST_SKIP() << "the file size limit cannot be set";
        doc.OnImport(path.string());
    }
    EXPECT_EQ(m_services.Texts(), Strings{"Cannot process file, is this file read-only?"});
    EXPECT_EQ(CTempDir::Read(path), report);
    EXPECT_EQ(seasonsnapshot::Take(doc), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(ImportInvariants, ClipboardTextThatCannotBeWrittenKeepsGame)
{
    CKestraneDoc doc(m_services);
    FillBaseGame(doc, {kStart, kSpring});
    const Snapshot before = seasonsnapshot::Take(doc);
    {
        CFileSizeLimit limit(100);
        if (!limit.Applied())
            GTEST_SKIP() << "the file size limit cannot be set";
        doc.OnImportClipboard(SampleText(kFall));
    }
    EXPECT_EQ(m_services.Texts(), Strings{"Cannot open Kestrane.tmp file, is this file read-only?"});
    EXPECT_EQ(seasonsnapshot::Take(doc), before);
}

} // namespace
