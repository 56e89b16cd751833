#include "watch/ResultsNotice.h"

#include "model/CentreHistory.h"
#include "model/KestraneDoc.h"
#include "views/PhaseSummary.h"
#include "watch/CentreChanges.h"
#include "watch/PhaseWords.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// "Turkey's army in Bulgaria was dislodged" from the season's lines
// ("TURKEY ARMY BULGARIA"); empty when none of country's units was.
std::string DislodgedInWords(const CKestraneDoc& doc, const CSeasonHdr& season, int country)
{
    const std::string name = doc.m_countries[size_t(country)].m_strName;
    std::vector<std::string> units;
    for (const std::string& line : season.m_dislodged) {
        if (line.size() <= name.size() + 1 || line.compare(0, name.size() + 1, name + " ") != 0)
            continue;
        const std::string rest = line.substr(name.size() + 1);
        const size_t space = rest.find(' ');
        if (space == std::string::npos)
            continue;
        std::string place = Lower(rest.substr(space + 1));
        for (size_t i = 0; i < place.size(); ++i)
            if (i == 0 || place[i - 1] == ' ')
                place[i] = char(std::toupper(static_cast<unsigned char>(place[i])));
        units.push_back(Lower(rest.substr(0, space)) + " in " + place);
    }
    if (units.empty())
        return {};
    return PowerName(name) + "'s " + JoinedInWords(units) + (units.size() == 1 ? " was" : " were") + " dislodged";
}

} // namespace

std::optional<CNotice> ResultsNotice(const CKestraneDoc& doc, const std::vector<std::string>& filedSeasons)
{
    const CSeasonHdr* previous = nullptr;
    const CSeasonHdr* before = nullptr; // the season before the earliest filed
    const CSeasonHdr* latest = nullptr;
    for (const auto& season : doc.m_seasons) {
        const bool filed =
            std::find(filedSeasons.begin(), filedSeasons.end(), season->m_strSeason) != filedSeasons.end();
        if (filed && !latest)
            before = previous;
        if (filed)
            latest = season.get();
        previous = season.get();
    }
    if (!latest)
        return std::nullopt;

    CNotice notice;
    notice.season = latest->m_strSeason;
    notice.title = (doc.m_strGame.empty() ? std::string("Your game") : GameInWords(doc.m_strGame)) + ": " +
                   PhaseInWords(latest->m_strSeason) + " results are in";
    const int mine = doc.m_strMyCountry.empty() ? -1 : doc.FindCountry(doc.m_strMyCountry);
    const CSeasonHdr* was = before ? OwnershipInForce(doc, *before) : nullptr;
    const CSeasonHdr* is = OwnershipInForce(doc, *latest);
    if (is && is != was) {
        const std::vector<CCentreChange> changes = CentreChanges(doc, was, *is);
        const auto most = std::max_element(changes.begin(), changes.end(), [](const auto& a, const auto& b) {
            return a.Size() < b.Size();
        });
        if (mine >= 0 && size_t(mine) < changes.size())
            notice.body = ChangeInWords(changes[size_t(mine)]);
        else if (most != changes.end() && most->Size() > 0)
            notice.body = ChangeInWords(*most);
    } else if (mine >= 0 && mine < CountriesInSeason(doc, *latest)) {
        notice.body = DislodgedInWords(doc, *latest, mine);
    }
    // After a fall move with retreats to make the Judge tells the new
    // owners with the retreats' results.
    const std::string& name = latest->m_strSeason;
    const bool ownersFollow = is != latest;
    if (notice.body.empty() && name.size() == 6 && name[0] == 'F' && name[5] == 'M' && ownersFollow)
        notice.body = "The centres change hands with the retreats";
    if (notice.body.empty())
        notice.body = "No centre changed hands";
    notice.body += ".";
    return notice;
}
