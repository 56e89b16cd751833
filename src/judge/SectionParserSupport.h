#pragma once

#include "model/KestraneDoc.h"

class CWordSplitter;

#include <optional>
#include <string>
#include <string_view>

/// Steps that the movement, retreat and adjustment parsers share: the country
/// of a line, a province look-up that tells the user when it fails, making a
/// unit, copying a base season's units and the fatal stop.
namespace judgeline {

/// The country index of line (FindCountry), or -1 when no country name begins
/// it or the index lies outside the lists season keeps (its m_nCountries).
int SeasonCountry(const CKestraneDoc& doc, const CSeasonHdr& season, std::string_view line);

/// The words that begin an order line: the country up to its colon and the
/// unit kind up to a blank or tab, both trimmed.
struct CUnitWords {
    std::string country;
    std::string unit;
};
/// Starts splitting line with words and takes its country and unit words;
/// words then stands after the unit word.
CUnitWords TakeCountryAndUnit(CWordSplitter& words, std::string_view line);

/// The position of key in the province table; when it is not there, tells
/// messages prefix + key + ",\nprovince data discarded." with the
/// information icon.
std::optional<MapPos> LookupProvince(const CKestraneDoc& doc, const std::string& key, std::string_view prefix,
                                     IUserMessages& messages);

/// Appends a unit to country's list: a fleet exactly when unitWord equals the
/// document's fleet word, else an army.
void AddUnit(const CKestraneDoc& doc, CSeasonHdr& season, int country, const std::string& unitWord,
             const std::string& key, MapPos pos);

/// Appends a copy of every unit of base to the same country's list of season,
/// for the document's countries that both seasons keep. The base is read only;
/// the copy is safe even when base and season are the same record.
void CopyUnits(const CKestraneDoc& doc, const CSeasonHdr& base, CSeasonHdr& season);

/// The base season of an adjustment or retreat: the first five characters of
/// the season's name followed by each phase letter of phases in turn; the
/// first one the document holds, or nullptr.
CSeasonHdr* FindBaseSeason(const CKestraneDoc& doc, const CSeasonHdr& season, std::string_view phases);

/// Tells text with the exclamation icon and asks the main window to close.
void StopFatally(IImportMessages& messages, std::string_view text);

/// The season on show, after the units of its base season (see
/// FindBaseSeason) were copied into it. Without a season on show or a base
/// season the season list is damaged: stops fatally and returns nullptr.
CSeasonHdr* StartFromBaseSeason(CKestraneDoc& doc, std::string_view phases, IImportMessages& messages);

/// "Fatal error, invalid database structure"
inline constexpr std::string_view kInvalidDatabase = "Fatal error, invalid database structure";

} // namespace judgeline
