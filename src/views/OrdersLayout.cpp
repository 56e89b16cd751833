#include "views/OrdersLayout.h"

#include "model/SeasonHdr.h"

#include <algorithm>
#include <array>

namespace {

// One headed block of the text: the orders, the dislodged units, the summary.
struct CTextSection {
    const char* heading;
    const std::vector<std::string>* lines;
};

void AppendSection(std::vector<COrdersLine>& out, int& y, int lineHeight, const char* heading,
                   const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    y -= lineHeight;
    out.push_back({y, heading});
    for (const std::string& line : lines) {
        y -= lineHeight;
        out.push_back({y, line});
    }
}

} // namespace

std::vector<COrdersLine> LayoutScreenLines(const CSeasonHdr* season, int lineHeight,
                                           const std::vector<std::string>& summary)
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
    AppendSection(lines, y, lineHeight, kDislodgedHeading, season->m_dislodged);
    AppendSection(lines, y, lineHeight, kSummaryHeading, summary);
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

int PageCount(const CSeasonHdr* season, int linesPerPage, const std::vector<std::string>& summary)
{
    if (!season)
        return 0;
    int lines = int(season->m_dislodged.size() + season->m_orders.size()) + 2;
    if (!summary.empty())
        lines += int(summary.size()) + 1;
    return lines / std::max(1, linesPerPage) + 1;
}

std::vector<COrdersLine> LayoutPage(const CSeasonHdr* season, int page, int linesPerPage, int lineHeight,
                                    const std::vector<std::string>& summary)
{
    std::vector<COrdersLine> lines;
    if (!season || season->m_orders.empty() || page < 1)
        return lines;
    // The sections run on as one stream of lines, L to a page; the headings
    // take no room of their own. A section's heading stands on every page
    // that holds some of its lines, and also at the foot of the page on
    // which the section before it ends when its own lines start on the next.
    const std::array<CTextSection, 3> sections{{{kOrdersHeading, &season->m_orders},
                                                {kDislodgedHeading, &season->m_dislodged},
                                                {kSummaryHeading, &summary}}};
    const size_t perPage = size_t(std::max(1, linesPerPage));
    const size_t first = size_t(page - 1) * perPage;
    const size_t end = first + perPage;
    int y = 0;
    size_t start = 0;
    bool previousEndsHere = false;
    for (const CTextSection& section : sections) {
        const size_t count = section.lines->size();
        if (count == 0)
            continue;
        const size_t from = std::max(start, first);
        const size_t to = std::min(start + count, end);
        if (from < to) {
            if (!lines.empty())
                y -= lineHeight;
            lines.push_back({y, section.heading});
            for (size_t i = from; i < to; ++i) {
                y -= lineHeight;
                lines.push_back({y, (*section.lines)[i - start]});
            }
        } else if (previousEndsHere && start == end) {
            y -= lineHeight;
            lines.push_back({y, section.heading});
        }
        previousEndsHere = start + count > first && start + count <= end;
        start += count;
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
