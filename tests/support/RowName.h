#pragma once

#include <gtest/gtest.h>

#include <string>

/// Names each row of a table-driven test after the row's own name field, so
/// a failure reads "Suite/Row" rather than "Suite/7".
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return std::string(info.param.name);
    }
};
