#pragma once

#include <string>
#include <vector>

class CKestraneDoc;

/// One season as the seasons list shows it.
struct CSeasonIndexEntry {
    std::string name;     ///< the season's own name, "F1902R"
    std::string words;    ///< written out: "Fall 1902 Retreats", "Starting position 1901"
    std::string deadline; ///< the deadline as ReadableDeadline gives it
    bool onShow = false;  ///< the season the views show
    friend bool operator==(const CSeasonIndexEntry&, const CSeasonIndexEntry&) = default;
};

/// The stored deadline text as people write it: words one blank apart and
/// the clock's fields, which the header's word splitter separated, joined
/// again by colons ("Tue Jan 20 2004 21 31 00 +0000 " gives
/// "Tue Jan 20 2004 21:31:00 +0000"). Other texts keep their words.
std::string ReadableDeadline(const std::string& stored);

/// Every season of the game in game order, written out in words.
std::vector<CSeasonIndexEntry> SeasonIndex(const CKestraneDoc& doc);

/// True when the season at position index (game order) is the game-start
/// position rather than a movement: the first season, a spring movement
/// whose order lines place units without any order, and no other season of
/// its year follows it.
bool IsGameStart(const CKestraneDoc& doc, size_t index);
