#pragma once

#include <string>
#include <vector>

class CKestraneDoc;
class CSeasonHdr;

/// What an import may change in a game, taken before the import, so that a
/// report which must not stay (its file could not be rewritten) is taken out
/// again and the game is exactly as it was.
class CImportSnapshot {
public:
    explicit CImportSnapshot(const CKestraneDoc& doc);

    /// Removes every season filed since the snapshot and puts back the season
    /// on show, the Judge, game and variant names, the title and the modified
    /// flag. Seasons held before are not touched: an import only adds.
    void Restore(CKestraneDoc& doc) const;

private:
    std::vector<const CSeasonHdr*> m_seasons;
    const CSeasonHdr* m_current = nullptr;
    std::string m_strJudge;
    std::string m_strGame;
    std::string m_strVariant;
    std::string m_strTitle;
    bool m_bModified = false;
};
