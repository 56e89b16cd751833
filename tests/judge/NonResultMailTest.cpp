#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/JudgeGameFiles.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// Every real mail of the Judge that carries no results (sign-up replies,
// orders-status replies, late notices, broadcasts, list and summary replies)
// leaves a game exactly as it was, on disk and in memory, says so in exactly
// one message, and is not rewritten.

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const fs::path kDataDir = fs::path(KESTRANE_SOURCE_DIR) / "data";

struct NonResultCase {
    const char* name;
    const char* game;      // the game whose raw captures are read, or "" for judge-samples
    bool wholeGameBefore;  // the game holds every season of kestrel before
};

void PrintTo(const NonResultCase& c, std::ostream* os) { *os << c.name; }

std::vector<judgefiles::RawMail> NonResultMails(const NonResultCase& c)
{
    std::vector<judgefiles::RawMail> mails;
    if (*c.game) {
        for (judgefiles::RawMail& mail : judgefiles::RawMails(c.game))
            if (!judgefiles::IsResultSubject(mail.subject))
                mails.push_back(std::move(mail));
        return mails;
    }
    const fs::path folder = fs::path(KESTRANE_SHARED_DIR) / "judge-samples";
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return mails;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".txt" && name.find("starting-position") == std::string::npos)
            mails.push_back({name, "", CTempDir::Read(entry.path())});
    }
    return mails;
}

class NonResultMail : public ::testing::TestWithParam<NonResultCase> {};

TEST_P(NonResultMail, LeavesTheGameAsItWasWithOneMessage)
{
    const NonResultCase& c = GetParam();
    const std::vector<judgefiles::RawMail> mails = NonResultMails(c);
    if (mails.empty())
        GTEST_SKIP() << "the Judge's mails are not beside the repository";

    CRecordingServices services(kDataDir.string());
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
    CTempDir dir;
    importchecks::CScopedEnv xdg("XDG_CACHE_HOME", dir.Str());
    if (c.wholeGameBefore) {
        const auto results = judgefiles::ResultMails("kestrel");
        if (results.empty())
            GTEST_SKIP() << "the Judge's game kestrel is not beside the repository";
        for (const auto& mail : results)
            doc.OnImport(dir.Write(mail.file, mail.body).string());
        ASSERT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    }
    for (const bool modified : {false, true}) {
        doc.SetModifiedFlag(modified);
        const std::string saved = doc.WriteDocument();
        const std::string title = doc.GetTitle();
        const CSeasonHdr* current = doc.GetCurrentSeason();
        for (const judgefiles::RawMail& mail : mails) {
            SCOPED_TRACE(mail.origin + " \"" + mail.subject + "\"");
            for (const bool clipboard : {false, true}) {
                services.Clear();
                const fs::path path = dir.Write("mail.txt", mail.body);
                const auto stamp = fs::last_write_time(path);
                if (clipboard)
                    doc.OnImportClipboard(importchecks::WithWindowsLineEnds(mail.body));
                else
                    doc.OnImport(path.string());
                ASSERT_EQ(services.messages.size(), 1u) << ::testing::PrintToString(services.Texts());
                const std::string& text = services.messages.front().text;
                EXPECT_TRUE(text.find("holds no results to import") != std::string::npos ||
                            text.find("has no Judge header line") != std::string::npos)
                    << text;
                EXPECT_EQ(services.closeRequests, 0);
                EXPECT_TRUE(doc.WriteDocument() == saved) << "the saved game changed";
                EXPECT_EQ(doc.IsModified(), modified);
                EXPECT_EQ(doc.GetTitle(), title);
                EXPECT_EQ(doc.GetCurrentSeason(), current);
                if (!clipboard) {
                    EXPECT_EQ(CTempDir::Read(path), mail.body) << "the mail was rewritten";
                    EXPECT_EQ(fs::last_write_time(path), stamp);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Mails, NonResultMail,
                         ::testing::Values(NonResultCase{"JudgeSamplesIntoNewGame", "", false},
                                           NonResultCase{"KestrelIntoNewGame", "kestrel", false},
                                           NonResultCase{"KestrelIntoWholeGame", "kestrel", true},
                                           NonResultCase{"Kestrel2003IntoNewGame", "kestrel-2003", false},
                                           NonResultCase{"Kestrel2003IntoWholeGame", "kestrel-2003", true}),
                         RowName());

} // namespace
