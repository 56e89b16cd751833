#pragma once

#include "model/MapPos.h"

#include <string>
#include <vector>

class CKestraneDoc;
class CSeasonHdr;

/// What one mark of the orders overlay shows.
enum class OverlayMarkKind {
    Move,      ///< a unit's move: source, convoy route seas, destination
    Support,   ///< supporter, supported unit, and the supported move's destination when it moves
    Convoy,    ///< convoying fleet, convoyed army, the army's destination
    Hold,      ///< a unit holding (or left without orders) where it stands
    Dislodged, ///< a unit dislodged where it stood
    Retreat,   ///< a dislodged unit's retreat: source, destination
    Disband,   ///< a unit disbanded, or destroyed because its retreat bounced
    Build,     ///< a unit built
    Remove,    ///< a unit removed
};

/// One mark: the provinces an order names, in the order it names them, with
/// their board positions taken from the province table.
struct COverlayMark {
    OverlayMarkKind kind = OverlayMarkKind::Hold;
    /// The country index of the order's line.
    int country = -1;
    bool fleet = false;
    /// A move that bounced, was void or found no convoy; a support that was
    /// cut; a retreat that bounced. Drawn dashed.
    bool failed = false;
    /// Province keys as the parsers fold them (upper case, coasts glued).
    std::vector<std::string> provinces;
    /// The position of each province, same order.
    std::vector<MapPos> points;

    friend bool operator==(const COverlayMark&, const COverlayMark&) = default;
};

/// Everything a season's orders put on the board, and the order lines that
/// could not be placed (an unknown province, a line of no recognisable
/// shape). Lines that place nothing by nature (a waived build, a proxy,
/// a unit listed at the game's start) are neither marks nor left out.
struct COrderOverlay {
    std::vector<COverlayMark> marks;
    std::vector<std::string> unplaced;
};

/// Reads the stored order lines of season with the parsers' own word rules
/// (their word splitter, coast folding, the province table) and turns them
/// into marks. The kind of season comes from the last letter of its name:
/// M movement, R retreats, B adjustments. A line whose provinces are not all
/// in the province table is left out and listed in unplaced, never guessed.
COrderOverlay BuildOrderOverlay(const CKestraneDoc& doc, const CSeasonHdr& season);
