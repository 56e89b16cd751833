#pragma once

#include <string>
#include <vector>

class CSeasonHdr;

/// One line of the orders text: drawn left-aligned at (0, y), y in
/// MM_LOENGLISH units (0.01 inch, y growing upwards, so lines go down the
/// page with negative y).
struct COrdersLine {
    int y = 0;
    std::string text;
    friend bool operator==(const COrdersLine&, const COrdersLine&) = default;
};

inline constexpr const char* kOrdersHeading = "Orders";
inline constexpr const char* kDislodgedHeading = "Units Dislodged";
inline constexpr const char* kSummaryHeading = "Centres and Units";

/// The fixed scroll size of the orders view, MM_LOENGLISH units.
inline constexpr int kOrdersScrollWidth = 826;
inline constexpr int kOrdersScrollHeight = 2340;

/// Lines per page when no printer can be asked: an A4 page at 300 dpi
/// (3508 pixels high) with a 12-point default font (50 pixels a line).
inline constexpr int kDefaultPageHeight = 3508;
inline constexpr int kDefaultLineHeight = 50;

/// The screen text of a season (nullptr: none on show, nothing drawn):
/// "Orders" at 0 and the order lines below it when there are orders, then
/// "Units Dislodged" one line lower and the dislodged lines, then, when
/// summary has lines, its heading (kSummaryHeading) and those lines; each
/// line lineHeight lower than the one before.
std::vector<COrdersLine> LayoutScreenLines(const CSeasonHdr* season, int lineHeight,
                                           const std::vector<std::string>& summary = {});

/// Truncate(pageHeight x 0.85) / lineHeight, in device units; never below 1,
/// so that a page always holds a line.
int LinesPerPage(int pageHeight, int lineHeight);
/// LinesPerPage for the A4 fallback page.
int DefaultLinesPerPage();

/// (dislodged + orders + 2) / linesPerPage + 1 with a season on show, else 0;
/// summary lines and their heading count as further lines.
int PageCount(const CSeasonHdr* season, int linesPerPage, const std::vector<std::string>& summary = {});

/// The body of printed page n (from 1), relative to the body origin under the
/// page header: the order lines (n - 1) x L up to n x L under "Orders"; on
/// the page where the orders end, "Units Dislodged" and as many dislodged
/// lines as fit in L lines; on later pages the remaining dislodged lines,
/// L a page, each page under a repeated "Units Dislodged". Every dislodged
/// line is printed once. The summary lines follow the dislodged lines in
/// the same way under their own heading. A season without orders prints no
/// body.
std::vector<COrdersLine> LayoutPage(const CSeasonHdr* season, int page, int linesPerPage, int lineHeight,
                                    const std::vector<std::string>& summary = {});

/// The orders page header, MM_LOENGLISH units relative to the page's
/// printable top-left corner.
struct COrdersPageHeader {
    int titleX = 25;
    int titleY = -25;
    int ruleY = 0;      ///< -35 - h
    int ruleFromX = 0;
    int ruleToX = 0;    ///< the drawing rectangle's right edge
    int bodyOriginX = 25; ///< where the body's (0, 0) lies
    int bodyOriginY = 0;  ///< 25 below the rule: -60 - h
};

/// Lays out the page header for the title, for a font of character height h
/// and a drawing rectangle whose right edge is drawRight.
COrdersPageHeader LayoutOrdersPageHeader(int charHeight, int drawRight);
