#pragma once

#include "orders/Geography.h"
#include "orders/Order.h"

#include <string>
#include <vector>

namespace orders {

enum class PhaseKind : uint8_t { Movement, Retreat, Adjustment };

/// A phase as the Judge names it: "S1902M", "F1901R", "F1901B" (the winter
/// adjustments after the fall).
struct Phase {
    char season = 'S'; ///< 'S' or 'F'
    int year = 1901;
    PhaseKind kind = PhaseKind::Movement;

    std::string Name() const;
    /// "Spring 1902 Movement", "Fall 1901 Retreats", "Winter 1901 Adjustments".
    std::string Words() const;
    friend bool operator==(const Phase&, const Phase&) = default;
};

struct Unit {
    int power = -1;
    UnitType type = UnitType::Army;
    Place at;
    /// In a retreat phase: dislodged, with the places it may retreat to, in
    /// the order the Judge lists them.
    bool dislodged = false;
    std::vector<Place> retreats;
};

/// The board as it stands for the phase that is due.
struct Position {
    Phase phase;
    /// The powers as the Judge names them ("Austria"), in the game's order.
    std::vector<std::string> powers;
    /// Every unit; in a retreat phase the dislodged ones too.
    std::vector<Unit> units;
    /// Per province: the power that owns the supply centre there, or -1.
    std::vector<int> owner;

    /// The unit standing in province that is not dislodged, or -1.
    int UnitAt(int province) const;
    /// The dislodged unit of province, or -1.
    int DislodgedAt(int province) const;
    /// The power's supply centres less its units: builds when positive,
    /// removals when negative.
    int Adjustment(int power) const;
    /// The power called name (any case), or -1.
    int FindPower(std::string_view name) const;
    /// Whether the power has anything to order in this phase.
    bool HasOrdersDue(int power) const;
};

} // namespace orders
