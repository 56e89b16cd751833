#include "views/LineSpread.h"

#include <gtest/gtest.h>

// Lines of a chart with equal values are drawn apart: around the value, in
// line order, never halfway to the next whole number.

namespace {

struct SpreadRow {
    const char* name;
    std::vector<std::vector<int>> values;
    std::vector<std::vector<double>> drawn;
};

class LineSpread : public testing::TestWithParam<SpreadRow> {};

TEST_P(LineSpread, DrawsSharedValuesApart)
{
    const auto drawn = SpreadEqualValues(GetParam().values, 0.12);
    ASSERT_EQ(drawn.size(), GetParam().drawn.size());
    for (size_t line = 0; line < drawn.size(); ++line) {
        ASSERT_EQ(drawn[line].size(), GetParam().drawn[line].size()) << line;
        for (size_t point = 0; point < drawn[line].size(); ++point)
            EXPECT_DOUBLE_EQ(drawn[line][point], GetParam().drawn[line][point]) << line << "," << point;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineSpread,
    testing::Values(SpreadRow{"NoChart", {}, {}},
                    SpreadRow{"UnsharedValuesStay", {{1, 2}, {3, 4}}, {{1, 2}, {3, 4}}},
                    SpreadRow{"TwoAroundTheirValue", {{3}, {3}}, {{3.06}, {2.94}}},
                    SpreadRow{"ThreeFirstHighestOthersAlone", {{3}, {5}, {3}, {3}}, {{3.12}, {5}, {3}, {2.88}}},
                    SpreadRow{"EachPointOnItsOwn", {{2, 7}, {2, 6}}, {{2.06, 7}, {1.94, 6}}},
                    SpreadRow{"ShortLineOnlyWhereItHasAPoint", {{2, 2}, {2}}, {{2.06, 2}, {1.94}}},
                    // Nine at 4: the step shrinks to 0.1 so the ends stay at ±0.4.
                    SpreadRow{"ManyStayWithinTheirNumber",
                              std::vector<std::vector<int>>(9, {4}),
                              {{4.4}, {4.3}, {4.2}, {4.1}, {4}, {3.9}, {3.8}, {3.7}, {3.6}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
