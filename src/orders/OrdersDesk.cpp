#include "orders/OrdersDesk.h"

#include "model/KestraneDoc.h"
#include "orders/BoardGeography.h"
#include "orders/DraftLines.h"
#include "orders/DraftOverlay.h"
#include "orders/GamePosition.h"

#include <algorithm>

namespace orders {

std::unique_ptr<OrdersDesk> OrdersDesk::Open(const CKestraneDoc& doc, const std::string& installDir, std::string& why)
{
    BoardGeography board = LoadBoardGeography(installDir, doc.m_strMapName);
    if (!board.geography) {
        why = board.unavailable;
        return nullptr;
    }
    GamePosition game = PositionAfterLatestSeason(doc, *board.geography);
    if (!game.position) {
        why = game.problem;
        return nullptr;
    }
    const int power = doc.m_strMyCountry.empty() ? -1 : game.position->FindPower(doc.m_strMyCountry);
    if (power < 0) {
        why = "Set your country in Game Details first: orders are written for one country.";
        return nullptr;
    }
    why.clear();
    // The constructor is private, so make_unique cannot reach it.
    return std::unique_ptr<OrdersDesk>(
        new OrdersDesk(std::move(*board.geography), std::move(*game.position), power, doc));
}

OrdersDesk::OrdersDesk(Geography geography, Position position, int power, const CKestraneDoc& doc)
    : m_geography(std::move(geography)), m_position(std::move(position)), m_points(m_geography, doc.m_provinces),
      m_checker(m_geography, m_position, power), m_entry(m_checker),
      m_after(doc.m_seasons.empty() ? std::string() : doc.m_seasons.back()->m_strSeason)
{
    Recheck();
}

std::string OrdersDesk::Heading() const
{
    return m_position.powers[size_t(m_checker.Power())] + ", " + m_position.phase.Words();
}

bool OrdersDesk::Click(MapPos point)
{
    const std::optional<Place> place = m_points.PlaceAt(point, kClickReach);
    if (!place) {
        m_entry.Cancel();
        return false;
    }
    const std::optional<Order> order = m_entry.Click(*place);
    if (order)
        Draft(*order);
    return order.has_value();
}

std::vector<EntryChoice> OrdersDesk::Choices(MapPos point) const
{
    const std::optional<Place> place = m_points.PlaceAt(point, kClickReach);
    return place ? m_entry.Choices(*place) : std::vector<EntryChoice>{};
}

bool OrdersDesk::Choose(const EntryChoice& choice)
{
    const std::optional<Order> order = m_entry.Choose(choice);
    if (order)
        Draft(*order);
    return order.has_value();
}

void OrdersDesk::Draft(const Order& order)
{
    PutDraft(m_drafts, m_checker, order);
    Recheck();
}

std::vector<MapPos> OrdersDesk::LitPoints() const
{
    std::vector<MapPos> points;
    for (const Place& place : m_entry.Lit())
        if (const std::optional<MapPos> point = m_points.PointOf(place))
            points.push_back(*point);
    return points;
}

void OrdersDesk::SetDrafts(const std::vector<std::string>& lines)
{
    m_drafts.clear();
    for (const std::string& line : lines)
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            m_drafts.push_back(line);
    Recheck();
}

std::vector<std::string> OrdersDesk::VerdictLines() const
{
    std::vector<std::string> text;
    for (size_t i = 0; i < m_drafts.size() && i < m_verdict.lines.size(); ++i)
        for (const Finding& finding : m_verdict.lines[i].findings) {
            if (finding.fault != Fault::None)
                text.push_back("refused  " + m_drafts[i] + ": " + finding.reason);
            else
                text.push_back("ok       " + (finding.order ? WriteOrder(*finding.order, m_geography) : m_drafts[i]) +
                               (finding.note.empty() ? "" : "  (" + finding.note + ")"));
        }
    for (const std::string& note : m_verdict.notes)
        text.push_back(note);
    if (!m_position.HasOrdersDue(m_checker.Power()))
        text.push_back(m_position.powers[size_t(m_checker.Power())] + " has nothing to order in this phase.");
    return text;
}

COrderOverlay OrdersDesk::Overlay() const
{
    COrderOverlay overlay = BuildDraftOverlay(m_verdict, m_geography, m_points, m_checker.Power());
    for (const Unit& unit : m_position.units) {
        const std::string name = UnitWord(unit.type) + " " + m_geography.PlaceName(unit.at);
        const std::optional<MapPos> point = m_points.PointOf(unit.at);
        if (unit.power != m_checker.Power() || !point ||
            std::find(m_judgeHolds.begin(), m_judgeHolds.end(), name) == m_judgeHolds.end())
            continue;
        COverlayMark mark;
        mark.kind = OverlayMarkKind::Hold;
        mark.country = m_checker.Power();
        mark.fleet = unit.type == UnitType::Fleet;
        mark.failed = true;
        mark.provinces = {m_geography.ShortPlace(unit.at)};
        mark.points = {*point};
        overlay.marks.push_back(std::move(mark));
    }
    return overlay;
}

} // namespace orders
