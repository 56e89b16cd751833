#include "views/OrdersLayout.h"

#include "model/SeasonHdr.h"

#include <algorithm>

std::vector<COrdersLine> LayoutScreenLines(const CSeasonHdr* season, int lineHeight)
{
    std::vector<COrdersLine> lines;
    if (!season)
        return lines;
    int y = 0;
    if (!season->m_orders.empty()) {
        lines.push_back({y, kOrdersHeading});
        for (const std::string& order : season->m_orders) {
            y -= lineHeight;
            lines.push_back({y, order});
        }
    }
    if (!season->m_dislodged.empty()) {
        y -= lineHeight;
        lines.push_back({y, kDislodgedHeading});
        for (const std::string& unit : season->m_dislodged) {
            y -= lineHeight;
            lines.push_back({y, unit});
        }
    }
    return lines;
}

int LinesPerPage(int pageHeight, int lineHeight)
{
    // A page must hold at least one line: the page count divides by this,
    // and a tiny page or a bad font height must not stop printing.
    if (lineHeight <= 0)
        return 1;
    return std::max(1, int(pageHeight * 0.85) / lineHeight);
}

int DefaultLinesPerPage()
{
    return LinesPerPage(kDefaultPageHeight, kDefaultLineHeight);
}

int PageCount(const CSeasonHdr* season, int linesPerPage)
{
    if (!season)
        return 0;
    const int lines = int(season->m_dislodged.size() + season->m_orders.size()) + 2;
    return lines / std::max(1, linesPerPage) + 1;
}

std::vector<COrdersLine> LayoutPage(const CSeasonHdr* season, int page, int linesPerPage, int lineHeight)
{
    std::vector<COrdersLine> lines;
    if (!season || season->m_orders.empty() || page < 1)
        return lines;
    const size_t perPage = size_t(std::max(1, linesPerPage));
    const size_t orders = season->m_orders.size();
    const size_t dislodged = season->m_dislodged.size();
    const size_t first = size_t(page - 1) * perPage;
    // The page on which the order list ends, and how many of its lines the
    // orders take; the dislodged lines fill the rest of that page and then
    // whole pages after it.
    const size_t lastPage = (orders - 1) / perPage + 1;
    const size_t ordersOnLastPage = orders - (lastPage - 1) * perPage;
    int y = 0;

    if (first < orders) {
        lines.push_back({y, kOrdersHeading});
        const size_t end = std::min(orders, first + perPage);
        for (size_t i = first; i < end; ++i) {
            y -= lineHeight;
            lines.push_back({y, season->m_orders[i]});
        }
        if (end == orders && dislodged > 0) {
            y -= lineHeight;
            lines.push_back({y, kDislodgedHeading});
            const size_t room = perPage - ordersOnLastPage;
            for (size_t i = 0; i < std::min(room, dislodged); ++i) {
                y -= lineHeight;
                lines.push_back({y, season->m_dislodged[i]});
            }
        }
        return lines;
    }

    const size_t start = (perPage - ordersOnLastPage) + (size_t(page) - lastPage - 1) * perPage;
    if (start >= dislodged)
        return lines;
    lines.push_back({y, kDislodgedHeading});
    const size_t end = std::min(dislodged, start + perPage);
    for (size_t i = start; i < end; ++i) {
        y -= lineHeight;
        lines.push_back({y, season->m_dislodged[i]});
    }
    return lines;
}

COrdersPageHeader LayoutOrdersPageHeader(int charHeight, int drawRight)
{
    COrdersPageHeader header;
    header.ruleY = -35 - charHeight;
    header.ruleToX = drawRight;
    header.bodyOriginY = header.ruleY - 25;
    return header;
}
