#pragma once

// A small game for the section parser tests: eight countries (the last one
// with a blank in its name), a province table with distinct positions, and
// helpers to file seasons and to read back units as short text.

#include "judge/ReportFile.h"
#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace parsertest {

enum Country { Austria, England, France, Germany, Italy, Russia, Turkey, NewZealand };

/// Units of one country as "A KEY" / "F KEY", in list order.
using UnitTexts = std::vector<std::string>;
/// Expected units per country; countries left out must have none.
using UnitsByCountry = std::map<int, UnitTexts>;
using Message = CRecordingServices::Message;

inline Message Info(const std::string& text)
{
    return {text, MessageIcon::Information};
}

inline Message Fatal(const std::string& text)
{
    return {text, MessageIcon::Exclamation};
}

/// The text every not-recognised message carries after the key.
inline std::string Discarded(const std::string& prefix, const std::string& key)
{
    return prefix + key + ",\nprovince data discarded.";
}

/// The message of a key that names no province of the table.
inline Message UnknownProvince(const std::string& key)
{
    return Info(Discarded("Could not recognise province ", key));
}

/// The report body as the parser receives it: the lines after the section title.
inline CReportFile Report(const std::vector<std::string>& lines, const std::string& lineEnd = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    return CReportFile(text);
}

class CParserGame {
public:
    CParserGame()
    {
        const char* countries[] = {"AUSTRIA", "ENGLAND", "FRANCE", "GERMANY",
                                   "ITALY",   "RUSSIA",  "TURKEY", "NEW ZEALAND"};
        for (const char* name : countries)
            doc.m_countries.emplace_back(name, 10, 20, 30);
        doc.m_nCountries = int(doc.m_countries.size());
        const char* provinces[] = {
            "VIENNA",      "BUDAPEST",    "TRIESTE",      "GALICIA",      "BOHEMIA",      "SERBIA",
            "LONDON",      "NORTH SEA",   "NORWAY",       "EDINBURGH",    "MID-ATLANTIC OCEAN", "SPAIN",
            "SPAINSC",     "SPAINNC",     "PARIS",        "BREST",        "BURGUNDY",     "MUNICH",
            "KIEL",        "BERLIN",      "VENICE",       "ROME",         "SEVASTOPOL",   "MOSCOW",
            "ST PETERSBURG", "ST PETERSBURGSC", "ADRIATIC SEA", "ANKARA", "TYROLIA", "ENGLISH CHANNEL"};
        int i = 1;
        for (const char* name : provinces) {
            doc.m_provinces.SetAt(name, MapPos{10 * i, 7 * i + 3});
            ++i;
        }
    }

    /// Files an empty season of the game's country count and returns it.
    CSeasonHdr& AddSeason(const std::string& name)
    {
        return importchecks::AddSeason(doc, name);
    }

    /// Files a season holding units ("A KEY" or "F KEY", keys from the table).
    CSeasonHdr& AddSeason(const std::string& name, const UnitsByCountry& units)
    {
        CSeasonHdr& season = AddSeason(name);
        for (const auto& [country, texts] : units)
            for (const std::string& text : texts) {
                const std::string key = text.substr(2);
                const auto pos = doc.m_provinces.Lookup(key);
                EXPECT_TRUE(pos) << "test map lacks " << key;
                season.m_units[size_t(country)].emplace_back(text[0] == 'F' ? CSeasonData::kFleet
                                                                            : CSeasonData::kArmy,
                                                             pos.value_or(MapPos{}), key);
            }
        return season;
    }

    /// Makes name the season on show, as the header parser leaves it.
    void Show(const std::string& name)
    {
        for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end(); ++it)
            if ((*it)->m_strSeason == name)
                doc.m_posCurrent = it;
    }

    static UnitTexts Units(const CSeasonHdr& season, int country)
    {
        UnitTexts texts;
        for (const CSeasonData& unit : season.m_units[size_t(country)])
            texts.push_back((unit.IsFleet() ? "F " : "A ") + unit.m_strProvince);
        return texts;
    }

    /// Every country's units equal expected, and every unit is drawn where
    /// the province table puts its key.
    void ExpectUnits(const CSeasonHdr& season, const UnitsByCountry& expected) const
    {
        for (int country = 0; country < kMaxCountries; ++country) {
            const auto it = expected.find(country);
            EXPECT_EQ(Units(season, country), it == expected.end() ? UnitTexts{} : it->second)
                << "country " << country;
            for (const CSeasonData& unit : season.m_units[size_t(country)]) {
                const auto pos = doc.m_provinces.Lookup(unit.m_strProvince);
                ASSERT_TRUE(pos) << unit.m_strProvince;
                EXPECT_EQ(unit.m_pos, *pos) << unit.m_strProvince;
            }
        }
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
};

/// The readers of the sections that follow an earlier season.
using SectionReader = void (*)(CKestraneDoc&, CReportFile&);

inline void ReadRetreats(CKestraneDoc& doc, CReportFile& file)
{
    doc.ParseRetreatOrders(file, doc.Services());
}

inline void ReadAdjustments(CKestraneDoc& doc, CReportFile& file)
{
    doc.ParseAdjustmentOrders(file, doc.Services());
}

/// The lines of a section that follows an earlier season (retreats after
/// the movement, adjustments after the retreats) and what the parser must
/// make of them.
struct FollowingSectionCase {
    const char* name;
    std::vector<std::string> lines;
    UnitsByCountry units;
    std::vector<Message> messages;
    /// The orders kept when they are not every line of the case.
    std::optional<std::vector<std::string>> orders;
};

inline void PrintTo(const FollowingSectionCase& c, std::ostream* os)
{
    *os << c.name;
}

/// Files the season before holding base and an empty season after it, lets
/// parse read the case's lines into that one, and checks its units, the
/// messages, the orders kept, that nothing is dislodged and that the import
/// was not asked to stop.
inline void ExpectFollowingSection(const FollowingSectionCase& c, const std::string& before, const UnitsByCountry& base,
                                   const std::string& after, SectionReader parse)
{
    CParserGame game;
    game.AddSeason(before, base);
    CSeasonHdr& season = game.AddSeason(after);
    CReportFile file = Report(c.lines);

    parse(game.doc, file);

    game.ExpectUnits(season, c.units);
    EXPECT_EQ(game.services.messages, c.messages);
    EXPECT_EQ(season.m_orders, c.orders.value_or(c.lines));
    EXPECT_TRUE(season.m_dislodged.empty());
    EXPECT_EQ(game.services.closeRequests, 0);
}

/// A section read after a season of another phase than the one it follows
/// stops the import with the fatal message and files nothing.
inline void ExpectFatalAfterWrongSeason(const std::string& wrong, const UnitsByCountry& base, const std::string& after,
                                        const std::vector<std::string>& lines, SectionReader parse)
{
    CParserGame game;
    game.AddSeason(wrong, base);
    CSeasonHdr& season = game.AddSeason(after);
    CReportFile file = Report(lines);

    parse(game.doc, file);

    EXPECT_EQ(game.services.messages, (std::vector<Message>{Fatal("Fatal error, invalid database structure")}));
    EXPECT_EQ(game.services.closeRequests, 1);
    game.ExpectUnits(season, {});
    EXPECT_TRUE(season.m_orders.empty());
}

} // namespace parsertest
