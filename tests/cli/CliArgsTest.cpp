#include "cli/CliArgs.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

struct ValidRow {
    const char* name;
    std::vector<std::string> argv;
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::optional<std::string> installDir;
};

class CliArgsValid : public testing::TestWithParam<ValidRow> {};

TEST_P(CliArgsValid, ParsesCommandOperandsAndOptions)
{
    const ValidRow& row = GetParam();
    const CArgsResult result = ParseCliArgs(row.argv);
    ASSERT_TRUE(result.args) << result.error;
    EXPECT_FALSE(result.help);
    EXPECT_EQ(result.args->command, row.command);
    EXPECT_EQ(result.args->positional, row.positional);
    EXPECT_EQ(result.args->options, row.options);
    EXPECT_EQ(result.args->installDir, row.installDir);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliArgsValid,
    testing::Values(
        ValidRow{"NewGame", {"new", "Standard", "g.kes"}, "new", {"Standard", "g.kes"}, {}, std::nullopt},
        ValidRow{"ImportStdinBatch", {"import", "--batch", "g.kes", "-"}, "import", {"g.kes", "-"},
                 {{"--batch", ""}}, std::nullopt},
        ValidRow{"RenderAllOptions",
                 {"render", "g.kes", "-o", "out.png", "--initials", "--centres", "--size", "80x60", "--no-maskblt"},
                 "render", {"g.kes"},
                 {{"-o", "out.png"}, {"--initials", ""}, {"--centres", ""}, {"--size", "80x60"}, {"--no-maskblt", ""}},
                 std::nullopt},
        ValidRow{"InlineValues", {"mail", "g.kes", "--country=ENGLAND", "--password=a=b"}, "mail", {"g.kes"},
                 {{"--country", "ENGLAND"}, {"--password", "a=b"}}, std::nullopt},
        ValidRow{"InstallDirBeforeCommand", {"--install-dir=/opt/k", "seasons", "g.kes"}, "seasons", {"g.kes"}, {},
                 std::string("/opt/k")},
        ValidRow{"DoubleDashEndsOptions", {"import", "g.kes", "--", "--odd-name.txt"}, "import",
                 {"g.kes", "--odd-name.txt"}, {}, std::nullopt}),
    RowName());

struct BadRow {
    const char* name;
    std::vector<std::string> argv;
    std::string errorPart;
};

class CliArgsBad : public testing::TestWithParam<BadRow> {};

TEST_P(CliArgsBad, IsAUsageErrorWithItsReason)
{
    const BadRow& row = GetParam();
    const CArgsResult result = ParseCliArgs(row.argv);
    EXPECT_FALSE(result.args);
    EXPECT_FALSE(result.help);
    EXPECT_NE(result.error.find(row.errorPart), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliArgsBad,
    testing::Values(BadRow{"NoCommand", {}, "no command"},
                    BadRow{"UnknownCommand", {"frobnicate", "g.kes"}, "unknown command 'frobnicate'"},
                    BadRow{"ImportNeedsAReport", {"import", "g.kes"}, "too few operands"},
                    BadRow{"SeasonsTakesOne", {"seasons", "a.kes", "b.kes"}, "too many operands"},
                    BadRow{"OptionOfAnotherCommand", {"seasons", "g.kes", "--json"}, "unknown option '--json'"},
                    BadRow{"RenderWithoutOutput", {"render", "g.kes"}, "needs -o"},
                    BadRow{"RenderBadSize", {"render", "g.kes", "-o", "x.png", "--size", "80by60"}, "--size"},
                    BadRow{"ValueMissing", {"mail", "g.kes", "--country"}, "needs a value"},
                    BadRow{"FlagWithValue", {"show", "g.kes", "--json=yes"}, "takes no value"},
                    BadRow{"OptionTwice", {"show", "g.kes", "--json", "--json"}, "given twice"},
                    BadRow{"CsvAndSvg", {"history", "g.kes", "--csv", "--svg", "c.svg"}, "not both"},
                    BadRow{"InstallDirTwice", {"--install-dir", "/a", "seasons", "g.kes", "--install-dir", "/b"},
                           "given twice"}),
    RowName());

TEST(CliArgsHelp, HelpIsNotAnError)
{
    for (const auto& argv : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"show", "--help"}}) {
        const CArgsResult result = ParseCliArgs(argv);
        EXPECT_TRUE(result.help) << argv.front();
        EXPECT_FALSE(result.args);
    }
}

struct SizeRow {
    const char* name;
    std::string text;
    std::optional<std::pair<int, int>> size;
};

class CliArgsSize : public testing::TestWithParam<SizeRow> {};

TEST_P(CliArgsSize, ReadsWidthAndHeightWithinLimits)
{
    EXPECT_EQ(ParseSize(GetParam().text), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CliArgsSize,
    testing::Values(SizeRow{"Plain", "800x600", std::make_pair(800, 600)},
                    SizeRow{"Largest", "16384x1024", std::make_pair(16384, 1024)},
                    SizeRow{"TooManyPixels", "4097x4096", std::nullopt},
                    SizeRow{"SideTooLong", "16385x1", std::nullopt},
                    SizeRow{"Zero", "0x10", std::nullopt},
                    SizeRow{"TrailingText", "800x600px", std::nullopt}),
    RowName());

} // namespace
