#include "judge/ReportBatch.h"
#include "mailbox/ImportSummaryText.h"
#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/JudgeGameFiles.h"
#include "support/JudgeRecord.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <set>

// The real Judge's games imported mail by mail, through the file import, the
// clipboard and as one batch, and every filed season compared with the
// Judge's own record of that phase (its game-state file, not its mails).

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using json = nlohmann::json;
using judgerecord::FiledSeason;
using judgerecord::UnitText;
using judgerecord::Upper;

const fs::path kDataDir = fs::path(KESTRANE_SOURCE_DIR) / "data";

enum class Way { File, Clipboard, Batch };

struct TruthCase {
    const char* game;
    Way way;
};

std::string NameOf(const TruthCase& c)
{
    std::string name = c.game == std::string("kestrel") ? "Kestrel" : "Kestrel2003";
    return name + (c.way == Way::File ? "File" : c.way == Way::Clipboard ? "Clipboard" : "Batch");
}

void PrintTo(const TruthCase& c, std::ostream* os) { *os << NameOf(c); }

// A centre by its marker on the board: the map may know one centre under
// several names (TUNIS, TUNISIA).
using Spot = std::pair<int32_t, int32_t>;

// The owners of the centres the map shows for a season: those of the latest
// season up to it that holds any.
std::map<Spot, std::string> ShownOwners(const CKestraneDoc& doc, const std::string& name)
{
    const CSeasonHdr* shown = nullptr;
    for (const auto& season : doc.m_seasons) {
        bool owns = false;
        for (int c = 0; c < season->m_nCountries; ++c)
            owns = owns || !season->m_centres[size_t(c)].empty();
        if (owns)
            shown = season.get();
        if (season->m_strSeason == name)
            break;
    }
    std::map<Spot, std::string> owners;
    if (!shown)
        return owners;
    for (int c = 0; c < shown->m_nCountries; ++c)
        for (const MapPos& pos : shown->m_centres[size_t(c)])
            owners[{pos.x, pos.y}] = doc.m_countries[size_t(c)].m_strName;
    return owners;
}

class JudgeGameTruth : public ::testing::TestWithParam<TruthCase> {
protected:
    JudgeGameTruth() { EXPECT_TRUE(doc.OnNewDocument("Standard.map")); }

    // Compares the filed season with the Judge's record; owners holds the
    // centre owners of the last Fall the record settled, if any.
    void Check(const std::string& name, const json& truth, std::map<Spot, std::string>& owners)
    {
        SCOPED_TRACE(name);
        const CSeasonHdr* season = doc.FindSeason(name);
        ASSERT_NE(season, nullptr);

        Strings want;
        for (const json& unit : truth["units"])
            want.push_back(UnitText(unit));
        Strings got = importchecks::Units(doc, *season);
        std::sort(want.begin(), want.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, want);

        // A unit dislodged with no retreat open is destroyed at once: the
        // record no longer lists it, while the season still shows it.
        if (name.back() == 'M') {
            std::set<std::string> dislodged;
            for (std::string line : season->m_dislodged) {
                for (const char* coast : {"NC", "SC", "EC", "WC"})
                    if (line.size() > 2 && line.compare(line.size() - 2, 2, coast) == 0)
                        line.resize(line.size() - 2);
                dislodged.insert(line);
            }
            for (const json& unit : truth.value("dislodged", json::array()))
                EXPECT_TRUE(dislodged.count(UnitText(unit))) << UnitText(unit) << " not listed as dislodged";
        }

        // The Judge settles ownership after the Fall retreats, or after a
        // Fall movement that leaves none.
        const std::string next = truth.value("next_phase", "");
        if (name[0] == 'F' && (name.back() == 'R' || (name.back() == 'M' && !next.empty() && next.back() == 'B'))) {
            owners.clear();
            for (const auto& [centre, power] : truth["supply_centre_owners"].items()) {
                const std::optional<MapPos> pos = doc.m_supplyCentres.Lookup(Upper(centre));
                EXPECT_TRUE(pos.has_value()) << centre << " is no centre of the map";
                if (pos && power.is_string())
                    owners[{pos->x, pos->y}] = Upper(power.get<std::string>());
            }
        }
        if (!owners.empty() && name[0] == 'F' && (name.back() == 'R' || name.back() == 'B')) {
            EXPECT_EQ(ShownOwners(doc, name), owners);
        }
    }

    CRecordingServices services{kDataDir.string()};
    CKestraneDoc doc{services};
};

TEST_P(JudgeGameTruth, EverySeasonAsTheJudgeRecordedIt)
{
    const TruthCase& c = GetParam();
    const std::vector<judgefiles::ResultMail> mails = judgefiles::ResultMails(c.game);
    if (mails.empty())
        GTEST_SKIP() << "the Judge's game " << c.game << " is not beside the repository";
    CTempDir dir;
    importchecks::CScopedEnv xdg("XDG_CACHE_HOME", dir.Str());

    if (c.way == Way::Batch) {
        // The whole game at once, latest mail first.
        std::vector<CReportText> texts;
        for (auto mail = mails.rbegin(); mail != mails.rend(); ++mail)
            texts.push_back({mail->body, mail->subject, "", mail->file});
        const CBatchSummary summary = ImportReportBatch(doc, texts);
        EXPECT_EQ(summary.SeasonsFiled(), int(mails.size())) << ImportSummaryText(summary, {}, SummaryDetail::Full);
        for (const CReportResult& report : summary.reports) {
            EXPECT_EQ(report.messages, Strings{}) << report.origin;
        }
    }
    std::map<Spot, std::string> owners;
    for (const judgefiles::ResultMail& mail : mails) {
        SCOPED_TRACE(mail.file);
        if (c.way == Way::File)
            doc.OnImport(dir.Write(mail.file, mail.body).string());
        else if (c.way == Way::Clipboard)
            doc.OnImportClipboard(importchecks::WithWindowsLineEnds(mail.body));
        EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
        services.Clear();
        const json truth = json::parse(CTempDir::Read(judgefiles::GameFolder(c.game) / mail.truth), nullptr, false);
        ASSERT_TRUE(truth.is_object()) << mail.truth;
        Check(FiledSeason(mail.file), truth, owners);
    }
    EXPECT_EQ(doc.m_seasons.size(), mails.size());
    EXPECT_EQ(services.closeRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(Games, JudgeGameTruth,
                         ::testing::Values(TruthCase{"kestrel", Way::File}, TruthCase{"kestrel", Way::Clipboard},
                                           TruthCase{"kestrel", Way::Batch}, TruthCase{"kestrel-2003", Way::File},
                                           TruthCase{"kestrel-2003", Way::Clipboard},
                                           TruthCase{"kestrel-2003", Way::Batch}),
                         [](const auto& info) { return NameOf(info.param); });

} // namespace
