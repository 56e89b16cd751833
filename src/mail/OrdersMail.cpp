#include "mail/OrdersMail.h"

#include "model/KestraneDoc.h"

#include <algorithm>

namespace {

// The order lines as the mail carries them: one per line, trimmed, no
// blank ones.
std::string OrderLines(const std::vector<std::string>& orders)
{
    std::string lines;
    for (const std::string& order : orders) {
        size_t at = 0;
        while (at <= order.size()) {
            const size_t end = std::min(order.find_first_of("\r\n", at), order.size());
            const std::string part = order.substr(at, end - at);
            const size_t first = part.find_first_not_of(" \t");
            if (first != std::string::npos)
                lines += part.substr(first, part.find_last_not_of(" \t") - first + 1) + '\n';
            at = end + 1;
        }
    }
    return lines;
}

} // namespace

std::string OrdersMailSubject(const CKestraneDoc& doc, const std::string& phase)
{
    const std::string game = doc.m_strGame.empty() ? std::string("Game") : doc.m_strGame;
    return phase.empty() ? game + " orders" : game + " orders for " + phase;
}

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

bool ComposeOrdersMail(CKestraneDoc& doc, const std::vector<std::string>& orders)
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

    // Without drafted orders, the units come from the latest season in game
    // order, not the one on show: the mail is for the next phase to be played.
    const std::string drafted = OrderLines(orders);
    mail += drafted;
    if (drafted.empty() && !doc.m_seasons.empty()) {
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
