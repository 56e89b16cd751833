#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>

/// Names each row of a table-driven test after the row's own name field, so
/// a failure reads "Suite/Row" rather than "Suite/7".
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return std::string(info.param.name);
    }
};

/// Names each row of a table run once from a file and once from the
/// clipboard (a Combine of the rows with Bool()): "Row" + "File" or "Clipboard".
struct RowNameAndSource {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<std::tuple<Row, bool>>& info) const
    {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Clipboard" : "File");
    }
};
