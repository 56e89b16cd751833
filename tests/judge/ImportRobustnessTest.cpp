#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <random>

// Reports cut together from pieces of real report lines, stray bytes and
// odd line ends: whatever the mix, the import ends, files at most one season
// per header and never asks the program to close.

namespace {

using namespace std::string_view_literals;

const std::string_view kPieces[] = {
    ":: Judge: ABCD  Game: alpha  Variant: Standard", ":: Deadline: S1901M Mon", ":: Deadline: F1901R",
    ":: Deadline: F1901B x", ":: Deadline: S1", "Judge:", "Deadline:", "You have been selected",
    "Starting position", "Movement results for", "Retreat orders for", "Adjustment orders for",
    "Ownership of supply centers:", "The following units were dislodged:", "The next phase of ",
    "The deadline for ", "Unowned:", "Austria: Army Vienna.", "Russia: Fleet St Petersburg (sc) -> ",
    "England: Builds a fleet in", "Supply center", ", ,", ".", ":", "->", "\xFF", "\t", " ", "\r", "\r\n", "\n",
    "\n", "\n", "\0x"sv};

std::string RandomReport(std::mt19937& random)
{
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 80);
    std::string text;
    for (int i = length(random); i > 0; --i)
        text += kPieces[piece(random)];
    return text;
}

TEST(ImportRobustness, PiecedReportsEndCleanly)
{
    std::mt19937 random(20040112);
    for (int round = 0; round < 3000; ++round) {
        CRecordingServices services;
        CKestraneDoc doc(services);
        importboard::FillStandardBoard(doc);
        const std::string report = RandomReport(random);
        const bool clipboardForm = round % 2 == 1;
        CReportFile file(JoinReportText(doc, report));
        doc.ImportReport(file, clipboardForm, doc.Services());
        // Retreat and build seasons lack their movement season and every other
        // name is too short, so only the two spring names can be filed; no
        // parser meets a season chain bad enough to close the program.
        for (const auto& season : doc.m_seasons)
            EXPECT_TRUE(season->m_strSeason == "S1901M" || season->m_strSeason == "S1900M")
                << season->m_strSeason << " from " << ::testing::PrintToString(report);
        EXPECT_EQ(doc.HasCurrentSeason(), !doc.m_seasons.empty());
        EXPECT_EQ(services.closeRequests, 0) << ::testing::PrintToString(report);
    }
}

} // namespace
