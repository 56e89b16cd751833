#include "mail/OrdersMail.h"

#include "model/KestraneDoc.h"

#include <algorithm>

int FindMyCountryIndex(const CKestraneDoc& doc)
{
    // Never look past the countries the document really holds, whatever its
    // stored count says: a damaged file may claim more than it carries.
    const int limit = std::min({static_cast<int>(doc.m_nCountries), static_cast<int>(doc.m_countries.size()),
                                kMaxCountries});
    for (int i = 0; i < limit; ++i)
        if (doc.m_countries[size_t(i)].m_strName == doc.m_strMyCountry)
            return i;
    return -1;
}

bool ComposeOrdersMail(CKestraneDoc& doc)
{
    if (doc.m_strMyCountry.empty()) {
        doc.Services().ShowMessage(kNoCountryMailMessage, MessageIcon::Exclamation);
        return false;
    }

    std::string mail = "signon ";
    mail += doc.m_strMyCountry.front();
    mail += doc.m_strGame;
    mail += ' ';
    mail += doc.m_strPassword;
    mail += '\n';

    // The units come from the latest season in game order, not the one on
    // show: the mail is for the next phase to be played.
    if (!doc.m_seasons.empty()) {
        const int country = FindMyCountryIndex(doc);
        const CSeasonHdr& latest = *doc.m_seasons.back();
        if (country >= 0 && country < latest.m_nCountries) {
            for (const CSeasonData& unit : latest.m_units[size_t(country)]) {
                mail += unit.IsFleet() ? doc.m_strFleet.front() : doc.m_strArmy.front();
                mail += ' ';
                mail += unit.m_strProvince;
                mail += '\n';
            }
        }
    }

    mail += "signoff\n";
    doc.m_strMail = std::move(mail);
    return true;
}
