#include "model/KestraneDoc.h"

CSeasonHdr* CKestraneDoc::FindSeason(const std::string& name) const
{
    for (const auto& season : m_seasons)
        if (season->m_strSeason == name)
            return season.get();
    return nullptr;
}

bool CKestraneDoc::InsertSeason(std::unique_ptr<CSeasonHdr> season)
{
    // Walk from the last season towards the first; file the new one directly
    // after the first season it is later than, else at the head.
    auto insertBefore = m_seasons.begin();
    for (auto it = m_seasons.end(); it != m_seasons.begin();) {
        --it;
        if (season->IsLaterThan(**it)) {
            insertBefore = std::next(it);
            break;
        }
    }
    m_posCurrent = m_seasons.insert(insertBefore, std::move(season));
    UpdateSeasonTitle();
    return true;
}

void CKestraneDoc::UpdateSeasonTitle()
{
    if (const CSeasonHdr* season = GetCurrentSeason()) {
        SetTitle(m_strJudge + " " + m_strGame + " " + m_strVariant + " " + season->m_strSeason + " " +
                 season->m_strDeadline);
    } else {
        SetTitle(GetTitle() + ", " + m_strMapName);
    }
    UpdateAllViews();
}

void CKestraneDoc::OnFirstSeason()
{
    if (m_seasons.empty())
        return;
    m_posCurrent = m_seasons.begin();
    UpdateSeasonTitle();
}

void CKestraneDoc::OnPreviousSeason()
{
    if (m_seasons.empty())
        return;
    if (m_posCurrent == m_seasons.end())
        m_posCurrent = m_seasons.begin();
    else if (m_posCurrent != m_seasons.begin())
        --m_posCurrent;
    UpdateSeasonTitle();
}

void CKestraneDoc::OnNextSeason()
{
    if (m_seasons.empty())
        return;
    if (m_posCurrent == m_seasons.end() || std::next(m_posCurrent) == m_seasons.end())
        m_posCurrent = std::prev(m_seasons.end());
    else
        ++m_posCurrent;
    UpdateSeasonTitle();
}

void CKestraneDoc::OnLatestSeason()
{
    if (m_seasons.empty())
        return;
    m_posCurrent = std::prev(m_seasons.end());
    UpdateSeasonTitle();
}

bool CKestraneDoc::ShowSeason(const std::string& name)
{
    for (auto it = m_seasons.begin(); it != m_seasons.end(); ++it) {
        if ((*it)->m_strSeason == name) {
            m_posCurrent = it;
            UpdateSeasonTitle();
            return true;
        }
    }
    return false;
}

void CKestraneDoc::OnRemoveSeason()
{
    if (m_posCurrent == m_seasons.end())
        return;
    // The season after the removed one becomes current, else the new last.
    m_posCurrent = m_seasons.erase(m_posCurrent);
    if (m_posCurrent == m_seasons.end() && !m_seasons.empty())
        m_posCurrent = std::prev(m_seasons.end());
    // With seasons left the game differs from any file that held the removed
    // one. Without, it is unmodified only when nothing else changed either
    // (its Game Details, the names its imports set).
    SetModifiedFlag(m_posCurrent != m_seasons.end() || DiffersFromSaved());
    UpdateSeasonTitle();
}

bool CKestraneDoc::OnUpdateFirstSeason() const
{
    return !m_seasons.empty() && m_posCurrent != m_seasons.begin();
}

bool CKestraneDoc::OnUpdatePreviousSeason() const
{
    return OnUpdateFirstSeason();
}

bool CKestraneDoc::OnUpdateNextSeason() const
{
    return !m_seasons.empty() && m_posCurrent != std::prev(m_seasons.end());
}

bool CKestraneDoc::OnUpdateLatestSeason() const
{
    return OnUpdateNextSeason();
}

bool CKestraneDoc::OnUpdateRemoveSeason() const
{
    return m_posCurrent != m_seasons.end();
}
