#pragma once

#include "orders/Geography.h"
#include "orders/JudgeWords.h"
#include "orders/Position.h"
#include "orders/Verdict.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orders {

/// One power's orders mail as the Judge reads it, line after line, for the
/// phase that is due. A line may hold several orders (the Judge goes on
/// reading after any one character that follows a complete order, so ";"
/// separates orders, and so does the "p" of "please"); an order stays in
/// force even when something after it on its line is refused. A later order
/// for a unit replaces an earlier one. In an adjustment phase builds and
/// removals are counted as the Judge counts them: past the number allowed,
/// the earliest build is dropped and the earliest removal taken back.
class JudgeMail {
public:
    /// geography, names and position must outlive the mail.
    JudgeMail(const Geography& geography, const judgewords::ProvinceNames& names, const Position& position,
              int power);

    LineVerdict ReadLine(std::string_view line);

    /// Per unit of the position: the order in force, if any.
    const std::vector<std::optional<Order>>& UnitOrders() const { return m_unitOrders; }
    /// Builds, waives and removals in force, earliest first.
    const std::vector<Order>& Adjustments() const { return m_adjustments; }
    /// Builds and waives accepted and then dropped for a later one, and
    /// removals taken back, in that order.
    const std::vector<Order>& Dropped() const { return m_dropped; }

private:
    /// The unit word and the province an order begins with; the province, or
    /// -1 with finding refused.
    int ReadSource(std::string_view text, size_t& pos, judgewords::WrittenType& written, Finding& finding);
    bool ReadMovement(std::string_view text, size_t& pos, Finding& finding);
    bool ReadSupportOrConvoy(std::string_view text, size_t& pos, char action, int unit, Finding& finding);
    bool ReadMove(std::string_view text, size_t& pos, int unit, Finding& finding);
    bool ReadRetreat(std::string_view text, size_t& pos, Finding& finding);
    bool ReadAdjustment(std::string_view text, size_t& pos, Finding& finding);
    bool ReadBuild(int site, std::optional<Coast> coast, judgewords::WrittenType type, char word, Finding& finding);
    bool ReadRemoval(int site, Finding& finding);
    void Enter(Order order, int site, bool building);

    /// "the army in Vienna", "the fleet in the North Sea".
    std::string UnitText(int unit) const;
    std::string PowerName() const;

    const Geography& m_geography;
    const judgewords::ProvinceNames& m_names;
    const Position& m_position;
    int m_power;
    std::vector<std::optional<Order>> m_unitOrders;
    // Adjustments: the Judge's count of what may still be entered (one more
    // than the builds left, one less than the removals left, 0 when none is due).
    int m_room = 0;
    std::vector<Order> m_adjustments;
    std::vector<int> m_sites; // parallel to m_adjustments; -1 for a waive
    std::vector<Order> m_dropped;
};

} // namespace orders
