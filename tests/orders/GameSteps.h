#pragma once

#include "orders/GamePosition.h"
#include "orders/Geography.h"
#include "orders/OrderChecker.h"
#include "support/JudgeGameFiles.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

class CPositionMap;

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

/// The position due at the phase (its Judge code, "F1901B") of the kestrel
/// game; throws std::out_of_range when the game is not there.
const orders::Position& KestrelPosition(const std::string& phase);

/// The province table of a new game on the bundled standard board.
const CPositionMap& StandardProvinceTable();

/// Tests at positions of the kestrel game; skipped when it is not there.
class KestrelPositions : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::is_directory(judgefiles::GameFolder("kestrel")))
            GTEST_SKIP() << "judge-games/kestrel is not there";
    }

    orders::OrderChecker Checker(const std::string& phase, const std::string& power) const
    {
        const orders::Position& position = ordertest::KestrelPosition(phase);
        return orders::OrderChecker(ordertest::StandardGeography(), position, position.FindPower(power));
    }
};

} // namespace ordertest
