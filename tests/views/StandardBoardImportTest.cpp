#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The sample game and the real Judge mails imported onto the shipped
// standard board: every province and centre they name must be recognised.

namespace {

namespace fs = std::filesystem;

const std::string kDataDir = std::string(KESTRANE_SOURCE_DIR) + "/data";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> Unrecognised(const CRecordingServices& services)
{
    std::vector<std::string> found;
    for (const std::string& text : services.Texts())
        if (text.find("Could not recognise") != std::string::npos)
            found.push_back(text);
    return found;
}

class StandardBoardImport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.OnNewDocument("Standard.map")); }

    // Imports a copy: importing rewrites the file in place.
    void Import(const fs::path& report)
    {
        const fs::path copy = temp.Write(report.filename().string(), ReadAll(report));
        doc.OnImport(copy.string());
    }

    size_t Units(const CSeasonHdr& season, int country) const { return season.m_units[size_t(country)].size(); }

    CRecordingServices services{kDataDir};
    CKestraneDoc doc{services};
    CTempDir temp;
};

enum { kAustria, kEngland, kFrance, kGermany, kItaly, kRussia, kTurkey };

TEST_F(StandardBoardImport, SampleGameYearFilesFiveSeasonsWithEveryNameKnown)
{
    for (const char* file : {"1-S1901M-game-start.txt", "2-S1901M-movement.txt", "3-F1901M-movement.txt",
                             "4-F1901R-retreats.txt", "5-F1901B-adjustments.txt"})
        Import(fs::path(kDataDir) / "samples" / file);

    EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    std::vector<std::string> names;
    for (const auto& season : doc.m_seasons)
        names.push_back(season->m_strSeason);
    EXPECT_EQ(names, (std::vector<std::string>{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B"}));
    ASSERT_EQ(names.size(), 5u);

    const CSeasonHdr& start = *doc.FindSeason("S1900M");
    const CSeasonHdr& fall = *doc.FindSeason("F1901M");
    const CSeasonHdr& retreats = *doc.FindSeason("F1901R");
    const CSeasonHdr& builds = *doc.FindSeason("F1901B");
    struct Row {
        int country;
        size_t startUnits, fallUnits, centres, builtUnits;
    };
    // Fall: Austria's fleet in Trieste is dislodged; it retreats to Albania.
    const Row rows[] = {{kAustria, 3, 2, 3, 3}, {kEngland, 3, 3, 4, 4}, {kFrance, 3, 3, 6, 6},
                        {kGermany, 3, 3, 5, 5}, {kItaly, 3, 3, 5, 5},   {kRussia, 4, 4, 6, 6},
                        {kTurkey, 3, 3, 4, 4}};
    for (const Row& r : rows) {
        SCOPED_TRACE(doc.m_countries[size_t(r.country)].m_strName);
        EXPECT_EQ(Units(start, r.country), r.startUnits);
        EXPECT_EQ(Units(fall, r.country), r.fallUnits);
        EXPECT_EQ(retreats.m_centres[size_t(r.country)].size(), r.centres);
        EXPECT_EQ(Units(builds, r.country), r.builtUnits);
    }
    EXPECT_EQ(fall.m_dislodged, (std::vector<std::string>{"AUSTRIA FLEET TRIESTE"}));

    // The fleet built on the north coast stands on that coast's own spot.
    const auto& russia = builds.m_units[kRussia];
    const auto fleet = std::find_if(russia.begin(), russia.end(),
                                    [](const CSeasonData& u) { return u.m_strProvince == "ST PETERSBURGNC"; });
    ASSERT_NE(fleet, russia.end());
    EXPECT_EQ(fleet->m_nType, 1);
    EXPECT_EQ(fleet->m_pos, *doc.m_provinces.Lookup("ST PETERSBURGNC"));
    EXPECT_NE(fleet->m_pos, *doc.m_provinces.Lookup("ST PETERSBURGSC"));
}

TEST_F(StandardBoardImport, RealJudgeMailsNameNoUnknownProvince)
{
    const fs::path folder = fs::path(KESTRANE_SHARED_DIR) / "judge-samples";
    if (!fs::is_directory(folder))
        GTEST_SKIP() << "no judge-samples folder beside the source tree";
    std::vector<fs::path> mails;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".txt")
            mails.push_back(entry.path());
    std::sort(mails.begin(), mails.end());
    ASSERT_FALSE(mails.empty());
    for (const fs::path& mail : mails) {
        SCOPED_TRACE(mail.filename().string());
        CRecordingServices own(kDataDir);
        CKestraneDoc fresh(own);
        ASSERT_TRUE(fresh.OnNewDocument("Standard.map"));
        const fs::path copy = temp.Write(mail.filename().string(), ReadAll(mail));
        fresh.OnImport(copy.string());
        EXPECT_EQ(Unrecognised(own), std::vector<std::string>{});
        // The game-start mail places all 22 units of the opening position.
        if (mail.filename().string().find("starting-position") != std::string::npos) {
            size_t units = 0;
            for (const auto& season : fresh.m_seasons)
                for (int c = 0; c < fresh.m_nCountries; ++c)
                    units += season->m_units[size_t(c)].size();
            EXPECT_EQ(units, 22u);
        }
    }
}

} // namespace
