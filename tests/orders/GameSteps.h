#pragma once

#include "orders/GamePosition.h"
#include "orders/Geography.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

/// What the orders tests share: the standard board's geography and the real
/// Judge games imported mail by mail.
namespace ordertest {

/// The standard board's geography as shipped (data/Maps/Standard.geo).
const orders::Geography& StandardGeography();

/// One result mail of a real game imported into the game so far: the season
/// it filed, the Judge's own record after it, and the position Kestrane
/// works out for the phase due next.
struct GameStep {
    std::string mail;
    std::string season;
    std::vector<std::string> orderLines; ///< the filed season's order lines
    nlohmann::json truth;
    orders::GamePosition due;
};

/// Every result mail of judge-games/<game> imported in order into a new game
/// on the standard board; empty when the game is not there.
std::vector<GameStep> ImportSteps(const std::string& game);

} // namespace ordertest
