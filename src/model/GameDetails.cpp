#include "model/GameDetails.h"

#include "model/KestraneDoc.h"

#include <algorithm>
#include <cctype>

namespace {

unsigned char Lower(char c)
{
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

bool BeginsNoCase(const std::string& text, const std::string& prefix)
{
    if (prefix.size() > text.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

} // namespace

std::vector<std::string> CGameDetails::SortedCountries(const CKestraneDoc& doc)
{
    // The stored count may exceed the countries a damaged file really holds;
    // list only those that exist.
    const size_t count = std::min({size_t(std::max(doc.m_nCountries, 0)), doc.m_countries.size(),
                                   size_t(kMaxCountries)});
    std::vector<std::string> names;
    names.reserve(count);
    for (size_t i = 0; i < count; ++i)
        names.push_back(doc.m_countries[i].m_strName);
    // Stable, so names equal but for case keep their index order.
    std::stable_sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::optional<size_t> CGameDetails::FindPrefix(const std::vector<std::string>& entries, const std::string& prefix)
{
    if (prefix.empty() || entries.empty())
        return std::nullopt;
    for (size_t step = 1; step <= entries.size(); ++step) {
        const size_t i = step % entries.size();
        if (BeginsNoCase(entries[i], prefix))
            return i;
    }
    return std::nullopt;
}

CGameDetails::State CGameDetails::Open(const CKestraneDoc& doc)
{
    State state;
    state.countries = SortedCountries(doc);
    state.password = doc.m_strPassword;
    if (doc.m_strMyCountry.empty())
        return state;
    state.selected = FindPrefix(state.countries, doc.m_strMyCountry);
    if (!state.selected)
        doc.Services().ShowMessage(kInvalidCountryMessage, MessageIcon::Exclamation);
    return state;
}

void CGameDetails::Apply(CKestraneDoc& doc, const std::string& country, const std::string& password)
{
    doc.m_strMyCountry = country;
    doc.m_strPassword = password;
    doc.SetModifiedFlag(true);
}
