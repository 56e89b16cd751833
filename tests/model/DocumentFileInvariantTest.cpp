#include "model/Archive.h"
#include "model/Country.h"
#include "model/KestraneDoc.h"
#include "model/SerializeModel.h"
#include "support/BitmapBuilder.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingServices.h"
#include "support/SavedGameBuilder.h"
#include "support/TempDir.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

// Saving, opening and saving again gives the same file up to the order of the
// entries of the two position tables: reading a table files each entry at the
// front of its bucket's chain, so every chain comes back reversed and a file
// is byte-identical only after two rounds. The canonical form below sorts the
// entries of each table, and everything else must match byte for byte.

namespace {

namespace fs = std::filesystem;

// Reads one position table, remembering each entry's bytes.
bool TakeTable(CArchive& ar, std::string_view bytes, std::string& out)
{
    const size_t countAt = bytes.size() - ar.Remaining();
    const size_t count = ar.ReadCount(kMinEntryBytes);
    size_t at = bytes.size() - ar.Remaining();
    out.append(bytes.substr(countAt, at - countAt));
    std::vector<std::string> entries;
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        ar.ReadString();
        ar.ReadPos();
        const size_t end = bytes.size() - ar.Remaining();
        entries.emplace_back(bytes.substr(at, end - at));
        at = end;
    }
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries)
        out += entry;
    return !ar.Failed();
}

// The saved game with the entries of each position table sorted; nullopt
// when the bytes are no complete save of the current layout.
std::optional<std::string> Canonical(std::string_view bytes)
{
    CArchive ar(bytes);
    if (ar.ReadClass(kDocumentClass, true) != kDocumentClass.schema)
        return std::nullopt;
    for (size_t i = 0, n = ar.ReadCount(kMinSeasonBytes); i < n && ar.ReadObjectTag(kSeasonHdrClass); ++i)
        CSeasonHdr().Serialize(ar);
    for (size_t i = 0, n = ar.ReadCount(kMinCountryBytes); i < n && ar.ReadObjectTag(kCountryClass); ++i)
        CCountry().Serialize(ar);
    std::string out(bytes.substr(0, bytes.size() - ar.Remaining()));
    if (!TakeTable(ar, bytes, out))
        return std::nullopt;
    size_t from = bytes.size() - ar.Remaining();
    for (int i = 0; i < 7; ++i)
        ar.ReadString();
    ar.ReadWord();
    ar.ReadInt();
    out.append(bytes.substr(from, bytes.size() - ar.Remaining() - from));
    if (!TakeTable(ar, bytes, out))
        return std::nullopt;
    from = bytes.size() - ar.Remaining();
    ar.ReadDword();
    if (ar.Failed() || ar.Remaining() != 0)
        return std::nullopt;
    return out + std::string(bytes.substr(from));
}

// The same entries stored in another order: reversed and interleaved.
void RefillTable(CPositionMap& table)
{
    std::vector<CPositionMap::Entry> entries;
    table.ForEach([&](const CPositionMap::Entry& e) { entries.push_back(e); });
    table.RemoveAll();
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i % 2 == 0 ? entries.size() - 1 - i / 2 : i / 2];
        table.SetAt(e.key, e.value);
    }
}

class DocumentFileInvariants : public ::testing::Test {
protected:
    DocumentFileInvariants()
    {
        m_services.SetInstallDir(m_dir.Str());
        m_dir.Write("Maps/BOARD.BMP", bmp::MakeBitmap8(4, 4, {0x000000, 0xFFFFFF}, [](int, int) { return 1; }));
    }

    // Saves through a file and opens that file in a new document.
    std::string SaveAndOpen(CKestraneDoc& doc, std::unique_ptr<CKestraneDoc>& opened)
    {
        const std::string path = (m_dir.Path() / "round.kes").string();
        EXPECT_TRUE(doc.OnSaveDocument(path));
        opened = std::make_unique<CKestraneDoc>(m_services);
        EXPECT_TRUE(opened->OnOpenDocument(path)) << ::testing::PrintToString(m_services.Texts());
        return CTempDir::Read(path);
    }

    CTempDir m_dir;
    CRecordingServices m_services;
};

struct RoundTripCase {
    const char* name;
    // The bytes of the file the round trips start from.
    std::function<std::string(CTempDir&, CRecordingServices&)> file;
};

TEST_F(DocumentFileInvariants, SaveOpenSaveKeepsEverythingButTableEntryOrder)
{
    const RoundTripCase cases[] = {
        {"FullGame",
         [](CTempDir&, CRecordingServices& services) {
             CKestraneDoc doc(services);
             savedgame::FillFullGame(doc);
             return doc.WriteDocument();
         }},
        {"EmptyNewGame",
         [](CTempDir& dir, CRecordingServices& services) {
             auto doc = testgame::MakeTestGame(dir, services, testgame::StandardTestGame());
             EXPECT_TRUE(doc);
             EXPECT_TRUE(doc->m_seasons.empty());
             return doc->WriteDocument();
         }},
        {"TablesFilledInAnotherOrder",
         [](CTempDir&, CRecordingServices& services) {
             CKestraneDoc doc(services);
             savedgame::FillFullGame(doc, {.seasons = 3, .units = 20});
             RefillTable(doc.m_provinces);
             RefillTable(doc.m_supplyCentres);
             return doc.WriteDocument();
         }},
        {"TablesStoredSortedByKey",
         [](CTempDir&, CRecordingServices& services) {
             CKestraneDoc doc(services);
             savedgame::FillFullGame(doc, {.seasons = 2, .units = 40});
             // Entries across buckets, as no save of this program lists them.
             return Canonical(doc.WriteDocument()).value_or("");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.Clear();
        const std::string first = c.file(m_dir, m_services);
        const std::optional<std::string> canonical = Canonical(first);
        ASSERT_TRUE(canonical);

        CKestraneDoc start(m_services);
        ASSERT_TRUE(start.ReadDocument(first));
        std::unique_ptr<CKestraneDoc> opened;
        const std::string second = SaveAndOpen(start, opened);
        std::unique_ptr<CKestraneDoc> reopened;
        const std::string third = SaveAndOpen(*opened, reopened);
        std::unique_ptr<CKestraneDoc> last;
        const std::string fourth = SaveAndOpen(*reopened, last);

        EXPECT_EQ(Canonical(second), canonical);
        EXPECT_EQ(Canonical(third), canonical);
        // From the first save on, the file alternates between two orders.
        EXPECT_EQ(fourth, second);
        EXPECT_EQ(opened->m_seasons.size(), start.m_seasons.size());
        EXPECT_TRUE(m_services.messages.empty()) << ::testing::PrintToString(m_services.Texts());
    }
}

TEST(DocumentFileCanonicalForm, TellsChangedEntriesApart)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    savedgame::FillFullGame(doc, {.seasons = 1, .units = 10});
    const std::string bytes = doc.WriteDocument();
    doc.m_provinces.SetAt(savedgame::ProvinceKey(3), MapPos{999, 999});
    EXPECT_NE(Canonical(doc.WriteDocument()), Canonical(bytes));
    doc.m_provinces.SetAt(savedgame::ProvinceKey(3), MapPos{21, 10});
    EXPECT_EQ(Canonical(doc.WriteDocument()), Canonical(bytes));
    EXPECT_FALSE(Canonical(bytes.substr(0, bytes.size() - 1)));
    EXPECT_FALSE(Canonical(bytes + "x"));
}

// --- Failed saves ------------------------------------------------------------

// Saves a small game to folder/game.kes, then a larger one after prepare has
// made saving fail: the first file stays as it was, the game stays modified.
void ExpectFailedSaveKeepsFile(CRecordingServices& services, const fs::path& folder,
                               const std::function<bool(size_t newSize)>& prepare)
{
    const fs::path path = folder / "game.kes";
    fs::create_directories(folder);
    CKestraneDoc doc(services);
    savedgame::FillFullGame(doc, {.seasons = 1, .units = 5});
    ASSERT_TRUE(doc.OnSaveDocument(path.string()));
    const std::string previous = CTempDir::Read(path);
    doc.DeleteContents();
    savedgame::FillFullGame(doc, {.seasons = 8, .units = 34});
    doc.SetModifiedFlag(true);
    services.Clear();
    if (!prepare(doc.WriteDocument().size()))
        return;
    EXPECT_FALSE(doc.OnSaveDocument(path.string()));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(services.messages,
              (std::vector<CRecordingServices::Message>{{"Failed to save document.", MessageIcon::Exclamation}}));
    EXPECT_EQ(CTempDir::Read(path), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(DocumentFileInvariants, FailedSaveToReadOnlyFolderKeepsThePreviousFile)
{
    const fs::path folder = m_dir.Path() / "locked";
    bool modeStopsWrites = false;
    ExpectFailedSaveKeepsFile(m_services, folder, [&](size_t) {
        ::chmod(folder.c_str(), 0555);
        // The superuser writes whatever the folder's mode (as tests often run in CI).
        const fs::path probe = folder / "probe";
        modeStopsWrites = ::geteuid() != 0 && !std::ofstream(probe).is_open();
        if (!modeStopsWrites)
            fs::remove(probe);
        return modeStopsWrites;
    });
    ::chmod(folder.c_str(), 0755);
    if (!modeStopsWrites)
        GTEST_SKIP() << "a folder's mode does not stop this user's writes";
}

TEST_F(DocumentFileInvariants, FailedSaveOnAFullDiskKeepsThePreviousFile)
{
    std::optional<CFileSizeLimit> limit;
    ExpectFailedSaveKeepsFile(m_services, m_dir.Path() / "full", [&](size_t newSize) {
        // Below the new file's size: its write fails with EFBIG, as on a full disk.
        limit.emplace(newSize / 2);
        return limit->Applied();
    });
    if (!limit || !limit->Applied())
        GTEST_SKIP() << "the file size limit cannot be set";
}

} // namespace
