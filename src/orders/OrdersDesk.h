#pragma once

#include "model/MapPos.h"
#include "orders/BoardPoints.h"
#include "orders/OrderChecker.h"
#include "orders/OrderEntry.h"
#include "views/OrderOverlay.h"

#include <memory>
#include <string>
#include <vector>

class CKestraneDoc;

namespace orders {

/// Everything the desktop's Orders mode works with for one game: the board's
/// geography, the position of the phase due, the player's power, order
/// entry by clicks on the board picture and the drafted lines with the
/// Judge's verdict on them. The toolkit side only turns mouse events into
/// picture points and paints what this returns.
class OrdersDesk {
public:
    /// The desk for doc's phase due after its latest season and the country
    /// of Game Details, the geography read from below installDir; nullptr
    /// with why in words when orders cannot be written for it.
    static std::unique_ptr<OrdersDesk> Open(const CKestraneDoc& doc, const std::string& installDir,
                                            std::string& why);

    OrdersDesk(const OrdersDesk&) = delete;
    OrdersDesk& operator=(const OrdersDesk&) = delete;

    /// The season the desk was made after ("F1901M"): a newer one needs a new desk.
    const std::string& After() const { return m_after; }
    const Position& GetPosition() const { return m_position; }
    const Geography& GetGeography() const { return m_geography; }
    /// "Austria, Spring 1901 Movement".
    std::string Heading() const;

    /// A left click at point of the board picture. True when it drafted an order.
    bool Click(MapPos point);
    /// The menu for a right click at point; empty when nothing applies there.
    std::vector<EntryChoice> Choices(MapPos point) const;
    /// Takes a choice of Choices; true when it drafted an order.
    bool Choose(const EntryChoice& choice);
    void Cancel() { m_entry.Cancel(); }
    /// What the next click does, in words.
    std::string Prompt() const { return m_entry.Prompt(); }
    /// Where the places a click may pick now lie on the picture.
    std::vector<MapPos> LitPoints() const;

    const std::vector<std::string>& Drafts() const { return m_drafts; }
    /// The drafts as the player typed them, one order line each (blank lines dropped).
    void SetDrafts(const std::vector<std::string>& lines);
    const SetVerdict& Verdict() const { return m_verdict; }
    /// The drafts as the pane lists them: each order in the Judge's own form
    /// with "ok", or the line as written with what the Judge will refuse;
    /// then what the Judge does with the rest (units without orders).
    std::vector<std::string> VerdictLines() const;
    /// The units the Judge's verdict on the orders sent left without an
    /// order ("Army Vienna", as its reply lists them): the overlay marks
    /// them, so a refused order shows on the map. Empty for none.
    void SetJudgeHolds(std::vector<std::string> units) { m_judgeHolds = std::move(units); }
    const std::vector<std::string>& JudgeHolds() const { return m_judgeHolds; }
    /// The drafts' orders in force as overlay marks in the player's colour,
    /// and a crossed-out hold on each unit of SetJudgeHolds.
    COrderOverlay Overlay() const;

    /// How far from a place's point a click still counts for it, in picture pixels.
    static constexpr int kClickReach = 30;

private:
    OrdersDesk(Geography geography, Position position, int power, const CKestraneDoc& doc);
    void Draft(const Order& order);
    void Recheck() { m_verdict = m_checker.CheckSet(m_drafts); }

    const Geography m_geography;
    const Position m_position;
    const BoardPoints m_points;
    const OrderChecker m_checker;
    OrderEntry m_entry;
    std::string m_after;
    std::vector<std::string> m_drafts;
    SetVerdict m_verdict;
    std::vector<std::string> m_judgeHolds;
};

} // namespace orders
