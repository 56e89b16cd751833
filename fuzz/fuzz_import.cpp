#include "QuietServices.h"
#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/Archive.h"
#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string SeasonBytes(CSeasonHdr& season)
{
    CArchive ar;
    season.Serialize(ar);
    return ar.Bytes();
}

// Every season of doc as (name, saved bytes), in list order.
std::vector<std::pair<std::string, std::string>> Snapshot(const CKestraneDoc& doc)
{
    std::vector<std::pair<std::string, std::string>> seasons;
    for (const auto& season : doc.m_seasons)
        seasons.emplace_back(season->m_strSeason, SeasonBytes(*season));
    return seasons;
}

// An import keeps every season it found, unchanged, and leaves the list in
// game order. (One report may carry several headers, each filing a season.)
void CheckAfterImport(const CKestraneDoc& doc, const std::vector<std::pair<std::string, std::string>>& before)
{
    for (const auto& [name, bytes] : before) {
        CSeasonHdr* season = doc.FindSeason(name);
        if (!season || SeasonBytes(*season) != bytes)
            __builtin_trap();
    }
    const CSeasonHdr* previous = nullptr;
    for (const auto& season : doc.m_seasons) {
        if (previous && previous->IsLaterThan(*season))
            __builtin_trap();
        previous = season.get();
    }
    if (doc.HasCurrentSeason() == doc.m_seasons.empty())
        __builtin_trap();
}

} // namespace

// The first byte chooses, bit by bit, the clipboard or the file form of each
// piece; the rest is split at NUL bytes into up to four reports imported in
// turn into one game on the standard board, as the user would mail by mail.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t forms = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    CQuietServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    for (int piece = 0; piece < 4 && !services.closed; ++piece) {
        const size_t end = piece == 3 ? rest.size() : std::min(rest.find('\0'), rest.size());
        const std::string_view text = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);

        const auto before = Snapshot(doc);
        CReportFile file(JoinReportText(doc, text));
        doc.ImportReport(file, (forms >> piece) & 1, doc.Services());
        CheckAfterImport(doc, before);
        if (rest.empty())
            break;
    }
    return 0;
}
