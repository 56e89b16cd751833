#include "judge/ImportSnapshot.h"

#include "model/KestraneDoc.h"

#include <algorithm>

CImportSnapshot::CImportSnapshot(const CKestraneDoc& doc)
    : m_current(doc.GetCurrentSeason()), m_strJudge(doc.m_strJudge), m_strGame(doc.m_strGame),
      m_strVariant(doc.m_strVariant), m_strTitle(doc.GetTitle()), m_bModified(doc.IsModified())
{
    m_seasons.reserve(doc.m_seasons.size());
    for (const auto& season : doc.m_seasons)
        m_seasons.push_back(season.get());
    std::sort(m_seasons.begin(), m_seasons.end());
}

void CImportSnapshot::Restore(CKestraneDoc& doc) const
{
    doc.m_posCurrent = doc.m_seasons.end();
    for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end();) {
        if (!std::binary_search(m_seasons.begin(), m_seasons.end(), it->get()))
            it = doc.m_seasons.erase(it);
        else
            ++it;
    }
    for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end(); ++it)
        if (it->get() == m_current)
            doc.m_posCurrent = it;
    doc.m_strJudge = m_strJudge;
    doc.m_strGame = m_strGame;
    doc.m_strVariant = m_strVariant;
    // The title is set back as it was rather than rebuilt: a game with no
    // season on show would otherwise gain the map name a second time.
    doc.SetTitle(m_strTitle);
    doc.SetModifiedFlag(m_bModified);
    doc.UpdateAllViews();
}
