#include "support/RowName.h"
#include "views/LineChartSvg.h"

#include <gtest/gtest.h>


namespace {

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// The y coordinates of one series' points, in order.
std::vector<double> PointHeights(const std::string& svg, const std::string& colour)
{
    const size_t group = svg.find("<g class=\"series\" stroke=\"" + colour + "\"");
    const size_t end = svg.find("</g>", group);
    std::vector<double> heights;
    const std::string body = svg.substr(group, end - group);
    constexpr std::string_view kAttribute = "cy=\"";
    for (size_t at = body.find(kAttribute); at != std::string::npos; at = body.find(kAttribute, at + 1))
        heights.push_back(std::stod(body.substr(at + kAttribute.size())));
    return heights;
}

struct ChartRow {
    const char* name;
    CLineChart chart;
    size_t polylines;
    size_t circles;
};

class LineChartShape : public testing::TestWithParam<ChartRow> {};

TEST_P(LineChartShape, DrawsALinePerSeriesAndAPointPerValueShown)
{
    const std::string svg = LineChartSvg(GetParam().chart);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_EQ(Count(svg, "<polyline"), GetParam().polylines);
    EXPECT_EQ(Count(svg, "<circle"), GetParam().circles);
    EXPECT_EQ(Count(svg, "<g"), Count(svg, "</g>"));
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

INSTANTIATE_TEST_SUITE_P(
    Charts, LineChartShape,
    testing::Values(
        ChartRow{"TwoSeriesThreeLabels", {"t", {"a", "b", "c"}, {{"X", {1, 2, 3}, {1, 2, 3}}, {"Y", {4, 5, 6}, {3, 2, 1}}}},
                 2, 6},
        ChartRow{"OneLabelIsPointsOnly", {"t", {"a"}, {{"X", {1, 2, 3}, {5}}}}, 0, 1},
        // A series shorter than the labels stops where it ends; one longer is cut.
        ChartRow{"ShortSeries", {"t", {"a", "b", "c"}, {{"X", {1, 2, 3}, {1}}, {"Y", {4, 5, 6}, {1, 2, 3, 4, 5}}}},
                 1, 4},
        ChartRow{"NoLabels", {"t", {}, {{"X", {1, 2, 3}, {}}}}, 0, 0},
        ChartRow{"NoSeries", {"t", {"a", "b"}, {}}, 0, 0}),
    RowName());

TEST(LineChartValues, HigherValuesStandHigherAndNegativesSitOnTheAxis)
{
    const CLineChart chart{"t", {"a", "b", "c"}, {{"X", {9, 8, 7}, {0, 10, -4}}}};
    const std::vector<double> y = PointHeights(LineChartSvg(chart), "rgb(9,8,7)");
    ASSERT_EQ(y.size(), 3u);
    EXPECT_GT(y[0], y[1]);
    EXPECT_DOUBLE_EQ(y[0], y[2]);
}

TEST(LineChartText, TitleNamesAndLabelsAreEscaped)
{
    const CLineChart chart{"A & B", {"<1>"}, {{"\"Q\"\x01\xe9", {1, 1, 1}, {1}}}};
    const std::string svg = LineChartSvg(chart);
    EXPECT_NE(svg.find("<title>A &amp; B</title>"), std::string::npos);
    EXPECT_NE(svg.find("&lt;1&gt;"), std::string::npos);
    EXPECT_NE(svg.find("&quot;Q&quot;??"), std::string::npos);
    EXPECT_EQ(svg.find('\x01'), std::string::npos);
    EXPECT_EQ(svg.find('\xe9'), std::string::npos);
}

} // namespace
