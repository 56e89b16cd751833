#pragma once

#include "model/Archive.h"
#include "model/KestraneDoc.h"

#include <ostream>
#include <string>
#include <vector>

/// Every season of a document as its name and the bytes its record saves as,
/// so tests can tell whether an operation left seasons exactly as they were.
namespace seasonsnapshot {

struct Season {
    std::string name;
    std::string bytes;
    friend bool operator==(const Season&, const Season&) = default;
};

/// The season record as a saved game stores it (after its class tag).
inline std::string RecordBytes(CSeasonHdr& season)
{
    CArchive ar;
    season.Serialize(ar);
    return ar.Bytes();
}

/// The seasons of doc in list order.
inline std::vector<Season> Take(const CKestraneDoc& doc)
{
    std::vector<Season> seasons;
    for (const auto& season : doc.m_seasons)
        seasons.push_back({season->m_strSeason, RecordBytes(*season)});
    return seasons;
}

/// Shows a season by name and size only: the record bytes are unreadable.
inline void PrintTo(const Season& season, std::ostream* os)
{
    *os << season.name << " (" << season.bytes.size() << " bytes)";
}

} // namespace seasonsnapshot
