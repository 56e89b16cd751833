#pragma once

#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/NonCopyable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

/// Readable summaries of what an import left in a season, for tests to
/// compare with what the report says.
namespace importchecks {

/// text with every LF made CR LF, as a report saved on Windows or copied
/// from a Windows mail program comes.
inline std::string WithWindowsLineEnds(const std::string& text)
{
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

/// text with its first from replaced by to; a test fails when text has no
/// from, so a changed sample cannot pass unchanged.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

/// The units of the standard board's starting position as Units lists them
/// after the Judge's game-start mail, power by power in the mail's order.
inline const std::vector<std::string> kStandardStartUnits{
    "AUSTRIA ARMY VIENNA",        "AUSTRIA ARMY BUDAPEST", "AUSTRIA FLEET TRIESTE",  "ENGLAND FLEET LONDON",
    "ENGLAND FLEET EDINBURGH",    "ENGLAND ARMY LIVERPOOL", "FRANCE ARMY PARIS",     "FRANCE ARMY MARSEILLES",
    "FRANCE FLEET BREST",         "GERMANY ARMY BERLIN",   "GERMANY ARMY MUNICH",    "GERMANY FLEET KIEL",
    "ITALY ARMY ROME",            "ITALY ARMY VENICE",     "ITALY FLEET NAPLES",     "RUSSIA ARMY MOSCOW",
    "RUSSIA ARMY WARSAW",         "RUSSIA FLEET ST PETERSBURGSC", "RUSSIA FLEET SEVASTOPOL",
    "TURKEY ARMY CONSTANTINOPLE", "TURKEY ARMY SMYRNA",    "TURKEY FLEET ANKARA"};

/// The key of table whose position is pos, or "?" when none is.
inline std::string KeyAt(const CPositionMap& table, MapPos pos)
{
    std::string key = "?";
    table.ForEach([&](const CPositionMap::Entry& entry) {
        if (entry.value == pos)
            key = entry.key;
    });
    return key;
}

/// Every unit of season as "COUNTRY FLEET|ARMY PROVINCE", country by country
/// in list order. A unit whose position is not the one the province table
/// gives its province is marked " (misplaced)".
inline std::vector<std::string> Units(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    std::vector<std::string> units;
    for (int i = 0; i < season.m_nCountries && i < int(doc.m_countries.size()); ++i) {
        for (const CSeasonData& unit : season.m_units[size_t(i)]) {
            std::string text = doc.m_countries[size_t(i)].m_strName + (unit.IsFleet() ? " FLEET " : " ARMY ") +
                               unit.m_strProvince;
            const std::optional<MapPos> pos = doc.m_provinces.Lookup(unit.m_strProvince);
            if (!pos || !(*pos == unit.m_pos))
                text += " (misplaced)";
            units.push_back(text);
        }
    }
    return units;
}

/// Every owned centre of season as "COUNTRY CENTRE", named back from its
/// marker position through the supply-centre table.
inline std::vector<std::string> Centres(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    std::vector<std::string> centres;
    for (int i = 0; i < season.m_nCountries && i < int(doc.m_countries.size()); ++i)
        for (const MapPos& pos : season.m_centres[size_t(i)])
            centres.push_back(doc.m_countries[size_t(i)].m_strName + " " + KeyAt(doc.m_supplyCentres, pos));
    return centres;
}

/// The season names of doc in list order.
inline std::vector<std::string> SeasonNames(const CKestraneDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& season : doc.m_seasons)
        names.push_back(season->m_strSeason);
    return names;
}

/// Files an empty season of the document's country count and makes it current.
inline CSeasonHdr& AddSeason(CKestraneDoc& doc, const std::string& name)
{
    auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
    season->m_strSeason = name;
    CSeasonHdr& filed = *season;
    doc.InsertSeason(std::move(season));
    return filed;
}

/// Sets an environment variable for the life of the object, then restores it.
class CScopedEnv : private CNonCopyable {
public:
    CScopedEnv(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~CScopedEnv() { Set(m_old); }

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(m_name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace importchecks

/// Shows a recorded message readably when a comparison fails.
inline void PrintTo(const CRecordingServices::Message& message, std::ostream* os)
{
    const char* icon = message.icon == MessageIcon::Exclamation   ? "exclamation"
                       : message.icon == MessageIcon::Information ? "information"
                                                                  : "plain";
    *os << "{\"" << message.text << "\", " << icon << "}";
}
