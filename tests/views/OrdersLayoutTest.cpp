#include "model/SeasonHdr.h"
#include "support/RowName.h"
#include "support/TextsOf.h"
#include "views/OrdersLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

CSeasonHdr Season(int orders, int dislodged)
{
    CSeasonHdr season(7);
    season.m_orders = Numbered("O", orders);
    season.m_dislodged = Numbered("D", dislodged);
    return season;
}

std::vector<std::string> Texts(const std::vector<COrdersLine>& lines)
{
    return TextsOf(lines, &COrdersLine::text);
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> Range(const std::string& prefix, int from, int to)
{
    std::vector<std::string> lines;
    for (int i = from; i <= to; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

TEST(OrdersLayoutScreen, MovementSeasonListsOrdersThenDislodgedOnTheNextLine)
{
    const CSeasonHdr season = Season(34, 2);
    const std::vector<COrdersLine> lines = LayoutScreenLines(&season, 16);
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[0], (COrdersLine{0, "Orders"}));
    EXPECT_EQ(lines[1], (COrdersLine{-16, "O1"}));
    EXPECT_EQ(lines[34], (COrdersLine{-34 * 16, "O34"}));
    EXPECT_EQ(lines[35], (COrdersLine{-35 * 16, "Units Dislodged"}));
    EXPECT_EQ(lines[36], (COrdersLine{-36 * 16, "D1"}));
    EXPECT_EQ(lines[37], (COrdersLine{-37 * 16, "D2"}));
}

TEST(OrdersLayoutScreen, SectionsAppearOnlyWhenTheyHaveLines)
{
    const CSeasonHdr retreat = Season(3, 0);
    EXPECT_EQ(LayoutScreenLines(&retreat, 10),
              (std::vector<COrdersLine>{{0, "Orders"}, {-10, "O1"}, {-20, "O2"}, {-30, "O3"}}));
    // Without orders the dislodged heading goes one line below the top.
    const CSeasonHdr onlyDislodged = Season(0, 1);
    EXPECT_EQ(LayoutScreenLines(&onlyDislodged, 10), (std::vector<COrdersLine>{{-10, "Units Dislodged"}, {-20, "D1"}}));
    const CSeasonHdr empty = Season(0, 0);
    EXPECT_TRUE(LayoutScreenLines(&empty, 10).empty());
    EXPECT_TRUE(LayoutScreenLines(nullptr, 10).empty());
}

struct LinesCase {
    const char* name;
    int pageHeight;
    int lineHeight;
    int lines;
};

class OrdersLayoutLinesPerPage : public testing::TestWithParam<LinesCase> {};

TEST_P(OrdersLayoutLinesPerPage, EightyFivePercentOfThePageInWholeLines)
{
    EXPECT_EQ(LinesPerPage(GetParam().pageHeight, GetParam().lineHeight), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OrdersLayoutLinesPerPage,
    testing::Values(LinesCase{"Letter600", 6600, 100, 56}, LinesCase{"A4At300", 3508, 50, 59},
                    LinesCase{"TruncatesTwice", 999, 10, 84}, LinesCase{"ExactFit", 1000, 17, 50},
                    LinesCase{"TinyPageStillOneLine", 10, 50, 1}, LinesCase{"ZeroLineHeight", 1000, 0, 1},
                    LinesCase{"NegativeLineHeight", 1000, -20, 1}),
    RowName());

TEST(OrdersLayoutLinesPerPage, FallbackPageIsA4At300Dpi)
{
    EXPECT_EQ(DefaultLinesPerPage(), 59);
}

TEST(OrdersLayoutPages, CountReservesRoomForBothHeadings)
{
    const CSeasonHdr big = Season(120, 3);
    EXPECT_EQ(PageCount(&big, 50), 3);
    const CSeasonHdr edge = Season(96, 2); // 96 + 2 + 2 = 100: one page more
    EXPECT_EQ(PageCount(&edge, 50), 3);
    const CSeasonHdr empty = Season(0, 0);
    EXPECT_EQ(PageCount(&empty, 50), 1);
    EXPECT_EQ(PageCount(nullptr, 50), 0);
    EXPECT_EQ(PageCount(&big, 0), 126); // never a division by zero
}

TEST(OrdersLayoutPages, HundredTwentyOrdersAtFiftyLines)
{
    const CSeasonHdr season = Season(120, 3);
    EXPECT_EQ(Texts(LayoutPage(&season, 1, 50, 20)), Concat({{"Orders"}, Range("O", 1, 50)}));
    EXPECT_EQ(Texts(LayoutPage(&season, 2, 50, 20)), Concat({{"Orders"}, Range("O", 51, 100)}));
    EXPECT_EQ(Texts(LayoutPage(&season, 3, 50, 20)),
              Concat({{"Orders"}, Range("O", 101, 120), {"Units Dislodged"}, Range("D", 1, 3)}));
    const std::vector<COrdersLine> page3 = LayoutPage(&season, 3, 50, 20);
    EXPECT_EQ(page3.front().y, 0);
    EXPECT_EQ(page3[20], (COrdersLine{-400, "O120"}));
    EXPECT_EQ(page3[21], (COrdersLine{-420, "Units Dislodged"}));
    EXPECT_EQ(page3.back(), (COrdersLine{-480, "D3"}));
    EXPECT_TRUE(LayoutPage(&season, 4, 50, 20).empty());
}

TEST(OrdersLayoutPages, DislodgedLinesContinueUnderARepeatedHeading)
{
    const CSeasonHdr season = Season(120, 40);
    ASSERT_EQ(PageCount(&season, 50), 4);
    EXPECT_EQ(Texts(LayoutPage(&season, 3, 50, 20)),
              Concat({{"Orders"}, Range("O", 101, 120), {"Units Dislodged"}, Range("D", 1, 30)}));
    const std::vector<COrdersLine> page4 = LayoutPage(&season, 4, 50, 20);
    EXPECT_EQ(Texts(page4), Concat({{"Units Dislodged"}, Range("D", 31, 40)}));
    EXPECT_EQ(page4.front().y, 0);
    EXPECT_EQ(page4[1], (COrdersLine{-20, "D31"}));
}

TEST(OrdersLayoutPages, OrdersFillingTheirLastPageLeaveTheHeadingThere)
{
    const CSeasonHdr season = Season(100, 5);
    EXPECT_EQ(Texts(LayoutPage(&season, 2, 50, 20)), Concat({{"Orders"}, Range("O", 51, 100), {"Units Dislodged"}}));
    EXPECT_EQ(Texts(LayoutPage(&season, 3, 50, 20)), Concat({{"Units Dislodged"}, Range("D", 1, 5)}));
}

TEST(OrdersLayoutPages, NoOrdersOrNoSeasonPrintsOnlyTheHeader)
{
    const CSeasonHdr dislodgedOnly = Season(0, 4);
    EXPECT_TRUE(LayoutPage(&dislodgedOnly, 1, 50, 20).empty());
    EXPECT_TRUE(LayoutPage(nullptr, 1, 50, 20).empty());
    const CSeasonHdr season = Season(3, 0);
    EXPECT_TRUE(LayoutPage(&season, 0, 50, 20).empty());
}

// Every order and every dislodged line is printed exactly once, in order,
// within the counted pages and never more than L lines to a page.
TEST(OrdersLayoutPages, EveryLinePrintedOnceWithinTheCountedPages)
{
    for (int perPage : {1, 2, 3, 7, 50}) {
        for (int orders : {1, 2, 6, 7, 8, 49, 50, 51, 100, 120}) {
            for (int dislodged : {0, 1, 5, 6, 7, 13, 50, 51}) {
                const CSeasonHdr season = Season(orders, dislodged);
                const int pages = PageCount(&season, perPage);
                std::vector<std::string> printed;
                for (int page = 1; page <= pages + 2; ++page) {
                    const std::vector<COrdersLine> body = LayoutPage(&season, page, perPage, 10);
                    int bodyLines = 0;
                    for (const COrdersLine& line : body) {
                        if (line.text == "Orders" || line.text == "Units Dislodged")
                            continue;
                        ++bodyLines;
                        printed.push_back(line.text);
                    }
                    ASSERT_LE(bodyLines, perPage) << orders << "/" << dislodged << "/" << perPage << " p" << page;
                    if (page > pages) {
                        ASSERT_TRUE(body.empty()) << orders << "/" << dislodged << "/" << perPage << " p" << page;
                    }
                }
                ASSERT_EQ(printed, Concat({Range("O", 1, orders), Range("D", 1, dislodged)}))
                    << orders << "/" << dislodged << "/" << perPage;
            }
        }
    }
}

TEST(OrdersLayoutHeader, TitleRuleAndBodyOriginFollowTheCharacterHeight)
{
    const COrdersPageHeader h = LayoutOrdersPageHeader(40, 800);
    EXPECT_EQ(h.titleX, 25);
    EXPECT_EQ(h.titleY, -25);
    EXPECT_EQ(h.ruleY, -75);
    EXPECT_EQ(h.ruleFromX, 0);
    EXPECT_EQ(h.ruleToX, 800);
    EXPECT_EQ(h.bodyOriginX, 25);
    EXPECT_EQ(h.bodyOriginY, -100);
    EXPECT_EQ(LayoutOrdersPageHeader(14, 500).bodyOriginY, -74);
}

} // namespace
