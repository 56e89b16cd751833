#include "judge/ClipboardFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "support/CountingView.h"
#include "support/ImmutableFile.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Message = CRecordingServices::Message;
using Strings = std::vector<std::string>;
using importchecks::CScopedEnv;

constexpr const char* kCannotOpen = "Cannot open file, is this file read-only?";
constexpr const char* kCannotProcess = "Cannot process file, is this file read-only?";
constexpr const char* kCannotOpenTemp = "Cannot open Kestrane.tmp file, is this file read-only?";

// A game-start report as a mail program saves it, with Windows line ends.
const std::string kStartReport = ":: Judge: XXXX  Game: dt  Variant: Standard\r\n"
                                 ":: Deadline: S1901M Tue Jan 06 2004 23:30:00 +0000  \r\n"
                                 "\r\n"
                                 "You have been selected as France in game 'dt' of Diplomacy.\r\n"
                                 "\r\n"
                                 "Starting position for Spring of 1901.\r\n"
                                 "\r\n"
                                 "Austria: Army  Vienna.\r\n"
                                 "Russia:  Fleet St Petersburg (south coast).\r\n"
                                 "\r\n"
                                 "The deadline for the first orders is Tue Jan 06 2004 23:30:00 +0000.\r\n";
// A movement report with an order the Judge wrapped: the one kind of report
// the import rewrites, with the wrapped order joined.
const std::string kWrappedReport = ":: Judge: XXXX  Game: dt  Variant: Standard\r\n"
                                   ":: Deadline: S1901M Tue Jan 06 2004 23:30:00 +0000  \r\n"
                                   "\r\n"
                                   "Movement results for Spring of 1901.  (dt.001)\r\n"
                                   "\r\n"
                                   "Austria: Army Vienna -> Galicia.\r\n"
                                   "Russia:  Fleet St Petersburg (south coast) -> Gulf of\r\n"
                                   "          Bothnia.\r\n"
                                   "\r\n"
                                   "The next phase of 'dt' will be Movement for Fall of 1901.\r\n"
                                   "The deadline for orders will be Tue Jan 13 2004 23:30:00 +0000.\r\n";

// The file's modification time, to tell a file the import left alone.
std::filesystem::file_time_type Stamp(const std::filesystem::path& path)
{
    return std::filesystem::last_write_time(path);
}

class ImportCommandTest : public ::testing::Test {
protected:
    ImportCommandTest() : m_xdg("XDG_CACHE_HOME", cache.Str())
    {
        importboard::FillStandardBoard(doc);
        doc.AddObserver(&view);
    }
    ~ImportCommandTest() override { doc.RemoveObserver(&view); }

    void ExpectStartPositionFiled()
    {
        EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
        ASSERT_EQ(importchecks::SeasonNames(doc), Strings{"S1900M"});
        EXPECT_EQ(importchecks::Units(doc, *doc.m_seasons.front()),
                  (Strings{"AUSTRIA ARMY VIENNA", "RUSSIA FLEET ST PETERSBURGSC"}));
        EXPECT_EQ(doc.m_seasons.front()->m_orders,
                  (Strings{"Austria: Army  Vienna.", "Russia:  Fleet St Petersburg (south coast)."}));
        EXPECT_EQ(doc.m_strGame, "dt");
        EXPECT_TRUE(doc.IsModified());
    }

    void ExpectRefused(const char* message)
    {
        EXPECT_EQ(services.messages, (std::vector<Message>{{message, MessageIcon::None}}));
        EXPECT_TRUE(doc.m_seasons.empty());
        EXPECT_EQ(view.updates, 0);
    }

    CTempDir files;
    CTempDir cache;
    CRecordingServices services;
    CKestraneDoc doc{services};
    CCountingView view;

private:
    CScopedEnv m_xdg;
};

// --- File import ---------------------------------------------------------

TEST_F(ImportCommandTest, FileImportFilesSeasonAndKeepsReportNeedingNoJoining)
{
    const auto path = files.Write("report.txt", kStartReport);
    const auto stamp = Stamp(path);
    doc.OnImport(path.string());
    ExpectStartPositionFiled();
    EXPECT_EQ(CTempDir::Read(path), kStartReport);
    EXPECT_EQ(Stamp(path), stamp);
    EXPECT_GT(view.updates, 0);
}

TEST_F(ImportCommandTest, FileImportRewritesReportWithWrappedLines)
{
    const auto path = files.Write("report.txt", kWrappedReport);
    doc.OnImport(path.string());
    EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    ASSERT_EQ(importchecks::SeasonNames(doc), Strings{"S1901M"});
    const std::string joined = CTempDir::Read(path);
    EXPECT_EQ(joined, JoinReportText(doc, kWrappedReport));
    EXPECT_NE(joined.find("\nRussia:  Fleet St Petersburg (south coast) -> Gulf of Bothnia."), std::string::npos);
    EXPECT_EQ(joined.find('\r'), std::string::npos);
}

TEST_F(ImportCommandTest, ImportingRewrittenReportAgainIsDuplicate)
{
    const auto path = files.Write("report.txt", kStartReport);
    doc.OnImport(path.string());
    services.Clear();
    doc.OnImport(path.string());
    EXPECT_EQ(services.messages,
              (std::vector<Message>{
                  {"This Season S1900M has been imported previously,\ndata rejected.", MessageIcon::Exclamation}}));
    EXPECT_EQ(doc.m_seasons.size(), 1u);
    // The first import is still unsaved: the rejection must not hide it.
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ImportCommandTest, RejectedReportPutsModifiedFlagBack)
{
    const auto path = files.Write("report.txt", kStartReport);
    doc.OnImport(path.string());
    for (const bool savedBefore : {true, false}) {
        doc.SetModifiedFlag(!savedBefore);
        doc.OnImport(path.string());
        EXPECT_EQ(doc.IsModified(), !savedBefore) << (savedBefore ? "saved game" : "unsaved game");
        EXPECT_EQ(doc.m_seasons.size(), 1u);
    }
}

TEST_F(ImportCommandTest, MissingFileIsRefused)
{
    doc.OnImport((files.Path() / "absent.txt").string());
    ExpectRefused(kCannotOpen);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImportCommandTest, FolderIsRefused)
{
    doc.OnImport(files.Str());
    ExpectRefused(kCannotOpen);
}

TEST_F(ImportCommandTest, PipeIsRefusedWithoutWaiting)
{
    const auto fifo = files.Path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    doc.OnImport(fifo.string());
    ExpectRefused(kCannotOpen);
}

TEST_F(ImportCommandTest, ReadOnlyFileIsRefusedWhenOpened)
{
    const auto path = files.Write("report.txt", kStartReport);
    CImmutable locked(path);
    if (!locked.Applied())
        GTEST_SKIP() << "this file system cannot make a file immutable";
    doc.OnImport(path.string());
    ExpectRefused(kCannotOpen);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(CTempDir::Read(path), kStartReport);
}

TEST_F(ImportCommandTest, RewriteFailureKeepsReportAndEndsImport)
{
    const auto path = files.Write("mail/report.txt", kWrappedReport);
    CImmutable locked(path.parent_path());
    if (!locked.Applied())
        GTEST_SKIP() << "this file system cannot make a folder immutable";
    doc.OnImport(path.string());
    EXPECT_EQ(services.messages, (std::vector<Message>{{kCannotProcess, MessageIcon::None}}));
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_TRUE(doc.m_strJudge.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(CTempDir::Read(path), kWrappedReport);
}

// --- Clipboard import ------------------------------------------------------

TEST_F(ImportCommandTest, NoClipboardTextShowsMessage)
{
    doc.OnImportClipboard(std::nullopt);
    ExpectRefused("No text to import");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(std::filesystem::exists(cache.Path() / "kestrane"));
}

TEST_F(ImportCommandTest, ClipboardTextImportedThroughCacheFile)
{
    doc.OnImportClipboard(kStartReport);
    ExpectStartPositionFiled();
    EXPECT_EQ(CTempDir::Read(cache.Path() / "kestrane" / "Kestrane.tmp"), kStartReport);
}

TEST_F(ImportCommandTest, ClipboardTextWrittenUnchanged)
{
    // With the folder closed to new files the rewrite fails, so the file
    // still holds what the clipboard gave.
    const auto temp = cache.Write("kestrane/Kestrane.tmp", "older and longer content than the new text\n");
    CImmutable locked(temp.parent_path());
    if (!locked.Applied())
        GTEST_SKIP() << "this file system cannot make a folder immutable";
    doc.OnImportClipboard(kWrappedReport);
    EXPECT_EQ(services.messages, (std::vector<Message>{{kCannotProcess, MessageIcon::None}}));
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_EQ(CTempDir::Read(temp), kWrappedReport);
}

TEST_F(ImportCommandTest, ClipboardNeedsHeaderAtLineStart)
{
    doc.OnImportClipboard("Quoted:\r\n> :: Judge: XXXX  Game: dt\r\n:: Deadline: S1901M Tue\r\n"
                          "Starting position for Spring of 1901.\r\n");
    EXPECT_EQ(services.messages, (std::vector<Message>{{"Could not find a valid header, this file may be corrupt.",
                                                       MessageIcon::None}}));
    EXPECT_TRUE(doc.m_seasons.empty());
}

TEST_F(ImportCommandTest, LaterClipboardImportReplacesCacheFile)
{
    doc.OnImportClipboard(kStartReport);
    doc.OnImportClipboard("short\r\n");
    EXPECT_EQ(CTempDir::Read(cache.Path() / "kestrane" / "Kestrane.tmp"), "short\r\n");
}

TEST_F(ImportCommandTest, UnusableCacheFolderIsReported)
{
    const auto blocker = files.Write("not-a-folder", "x");
    CScopedEnv xdg("XDG_CACHE_HOME", blocker.string());
    doc.OnImportClipboard(kStartReport);
    ExpectRefused(kCannotOpenTemp);
}

// --- Where the clipboard text is kept ------------------------------------

struct CachePathCase {
    const char* name;
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::string expected;
};

void PrintTo(const CachePathCase& c, std::ostream* os) { *os << c.name; }

class ClipboardPathTest : public ::testing::TestWithParam<CachePathCase> {};

TEST_P(ClipboardPathTest, FollowsEnvironment)
{
    const CachePathCase& c = GetParam();
    CScopedEnv xdg("XDG_CACHE_HOME", c.xdg);
    CScopedEnv home("HOME", c.home);
    EXPECT_EQ(ClipboardImportPath().string(), c.expected);
}

const CachePathCase kCachePaths[] = {
    {"XdgCacheHome", "/var/cache/u", "/home/u", "/var/cache/u/kestrane/Kestrane.tmp"},
    {"HomeWhenXdgUnset", std::nullopt, "/home/u", "/home/u/.cache/kestrane/Kestrane.tmp"},
    {"HomeWhenXdgEmpty", "", "/home/u", "/home/u/.cache/kestrane/Kestrane.tmp"},
    {"HomeWhenXdgRelative", "cache", "/home/u", "/home/u/.cache/kestrane/Kestrane.tmp"},
    {"CurrentFolderWithoutHome", std::nullopt, std::nullopt, "Kestrane.tmp"},
    {"CurrentFolderWithRelativeHome", std::nullopt, "u", "Kestrane.tmp"},
};

INSTANTIATE_TEST_SUITE_P(Environment, ClipboardPathTest, ::testing::ValuesIn(kCachePaths),
                         RowName());

} // namespace
