#include "cli/CliServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>


namespace {

struct MessageRow {
    const char* name;
    std::string text;
    MessageIcon icon;
    std::string line;
};

class CliServicesFormat : public testing::TestWithParam<MessageRow> {};

TEST_P(CliServicesFormat, OneLineWithKindAndBlanksForLineBreaks)
{
    EXPECT_EQ(CCliServices::FormatMessage(GetParam().text, GetParam().icon), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CliServicesFormat,
    testing::Values(
        MessageRow{"PlainBox", "Cannot open file, is this file read-only?", MessageIcon::None,
                   "kestrane: Cannot open file, is this file read-only?"},
        MessageRow{"Exclamation", "The data in this import file is from a different Game.\nRejecting data.",
                   MessageIcon::Exclamation,
                   "kestrane: exclamation: The data in this import file is from a different Game. Rejecting data."},
        MessageRow{"Information", "Could not recognise province XYZ,\nprovince data discarded.",
                   MessageIcon::Information,
                   "kestrane: information: Could not recognise province XYZ, province data discarded."},
        MessageRow{"CrLfIsOneBreak", "a\r\nb", MessageIcon::None, "kestrane: a b"},
        MessageRow{"TwoBreaks", "a\n\nb", MessageIcon::None, "kestrane: a  b"}),
    RowName());

} // namespace
