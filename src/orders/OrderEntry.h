#pragma once

#include "orders/OrderChecker.h"

#include <optional>
#include <string>
#include <vector>

namespace orders {

/// What the next click on the board picks.
enum class EntryStep {
    Unit,          ///< one of the player's units (or, in a winter, a build site or a unit to remove)
    Destination,   ///< where the chosen unit moves or retreats
    SupportedUnit, ///< the unit the chosen unit supports
    SupportTarget, ///< where the supported unit goes (its own place: a support to hold)
    ConvoyedArmy,  ///< the army the chosen fleet convoys
    ConvoyTarget,  ///< where the convoyed army goes
};

/// One entry of the menu on a place of the board.
struct EntryChoice {
    OrderKind kind = OrderKind::Hold;
    /// The unit built, or the unit ordered.
    UnitType unit = UnitType::Army;
    /// The unit's place, or the build site with its coast.
    Place at;
    /// The menu's words: "Hold", "Support...", "Build a fleet (north coast)".
    std::string label;
};

/// Order entry by clicks on the board, for one power in the phase due:
/// click a unit and the places it can reach are lit, click one of them and
/// that is the move; the menu on a unit starts a support or convoy (then
/// clicks pick the other unit and its destination) or gives a hold, a
/// disband, a build or a removal at once. Every order it gives is complete;
/// whether the Judge accepts it is the checker's to say.
class OrderEntry {
public:
    /// checker must outlive the entry.
    explicit OrderEntry(const OrderChecker& checker);

    /// A click on place (from BoardPoints::PlaceAt). Returns the order the
    /// click completes; otherwise the click chose a unit, moved on to the
    /// next step or, on a place that is not lit, started over.
    std::optional<Order> Click(Place place);

    /// The menu on place: for the player's unit in a movement phase hold,
    /// support and convoy (a fleet at sea or on a coast); for a dislodged unit
    /// disband; in a winter a build of each kind a site allows, a removal of
    /// the player's unit and a waive. Empty when nothing applies.
    std::vector<EntryChoice> Choices(Place place) const;

    /// Takes a choice of Choices: returns the order when the choice is one
    /// (hold, disband, build, remove, waive); a support or convoy goes on to
    /// the clicks that name the other unit.
    std::optional<Order> Choose(const EntryChoice& choice);

    /// Back to choosing a unit.
    void Cancel();

    EntryStep Step() const { return m_step; }
    /// The places a click may pick now.
    const std::vector<Place>& Lit() const { return m_lit; }
    /// What the next click does, in words ("Click where the army in Vienna moves.").
    std::string Prompt() const;

private:
    const Unit* OwnUnitAt(int province) const;
    /// The lit place on province (a click's coast first), or nullopt.
    std::optional<Place> LitPlace(Place clicked) const;
    void Select(const Unit& unit);
    void Light(EntryStep step);
    Order Begun(OrderKind kind) const;

    const OrderChecker& m_checker;
    const Geography& m_geography;
    const Position& m_position;
    EntryStep m_step = EntryStep::Unit;
    std::vector<Place> m_lit;
    /// The unit being ordered, and the other unit of a support or convoy.
    std::optional<Unit> m_unit;
    std::optional<Unit> m_other;
};

} // namespace orders
