#pragma once

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <vector>

class CKestraneDoc;

/// A game's seasons compared with the Judge's own record of each phase
/// (judge-games/<game>/truth), for tests that filed the game some other way
/// than mail by mail.
namespace judgerecord {

/// text in upper case (ASCII letters only).
std::string Upper(std::string text);

/// A unit of the record as importchecks::Units writes it ("RUSSIA FLEET
/// ST PETERSBURGNC").
std::string UnitText(const nlohmann::json& unit);

/// The season a result mail of the game is filed under: its phase, a year
/// earlier for the game-start mail ("00-S1901M-start.txt" gives "S1900M").
std::string FiledSeason(const std::string& mailFile);

/// Every difference between doc and the record: a season missing, or its
/// units not those the Judge lists, one line each naming the season. Empty
/// when every phase of the record is in doc as recorded. "no record" when
/// the game is not beside the repository.
std::vector<std::string> Differences(const CKestraneDoc& doc, const std::string& game);

} // namespace judgerecord
