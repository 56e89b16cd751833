#include "cli/CliArgs.h"
#include "cli/CommandTable.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// --- the table itself -------------------------------------------------------------

TEST(CommandTable, NamesAndOptionsAreUniqueAndWellFormed)
{
    std::set<std::string> names;
    for (const CCliCommand& command : CliCommands()) {
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
        EXPECT_NE(command.run, nullptr) << command.name;
        EXPECT_LE(command.minOperands, command.maxOperands) << command.name;
        EXPECT_EQ(FindCliCommand(command.name), &command);
        std::set<std::string> options;
        for (const CCliOption& option : command.options) {
            EXPECT_TRUE(options.insert(option.name).second) << command.name << " " << option.name;
            EXPECT_EQ(option.name[0], '-') << option.name;
            if (option.excludes) {
                const CCliOption* other = command.FindOption(option.excludes);
                ASSERT_NE(other, nullptr) << option.excludes;
                EXPECT_STREQ(other->excludes, option.name) << "exclusion is mutual";
            }
        }
    }
    EXPECT_EQ(FindCliCommand("frobnicate"), nullptr);
}

// Every option the table declares is one the parser takes, with the value
// the table promises (a flag none, a valued option its value).
TEST(CommandTable, EveryDeclaredOptionParses)
{
    for (const CCliCommand& command : CliCommands()) {
        for (const CCliOption& option : command.options) {
            std::vector<std::string> argv{command.name};
            for (size_t i = 0; i < command.minOperands; ++i)
                argv.push_back("operand" + std::to_string(i));
            for (const CCliOption& required : command.options)
                if (required.required && &required != &option)
                    argv.insert(argv.end(), {required.name, "x.png"});
            // A value each checked option accepts, by the name its help gives the value.
            const std::string value = !option.valid                              ? "value"
                                      : std::string(option.valueName) == "S"     ? "1.5"
                                      : std::string(option.valueName) == "N"     ? "143"
                                                                                 : "80x60";
            argv.push_back(option.name);
            if (!option.IsFlag())
                argv.push_back(value);
            const CArgsResult result = ParseCliArgs(argv);
            ASSERT_TRUE(result.args) << command.name << " " << option.name << ": " << result.error;
            EXPECT_EQ(result.args->Value(option.name, "absent"), option.IsFlag() ? "" : value)
                << command.name << " " << option.name;
        }
    }
}

// --- synopsis and usage ------------------------------------------------------------

struct SynopsisRow {
    const char* name;
    const char* command;
    std::string synopsis;
};

class CommandSynopsis : public testing::TestWithParam<SynopsisRow> {};

TEST_P(CommandSynopsis, ShowsOperandsRequiredOptionalAndExclusiveOptions)
{
    const CCliCommand* command = FindCliCommand(GetParam().command);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->Synopsis(), GetParam().synopsis);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandSynopsis,
    testing::Values(SynopsisRow{"NoOptions", "new", "new MAPNAME GAME.kes"},
                    SynopsisRow{"RequiredAndValued", "render",
                                "render GAME.kes [SEASON] -o OUT.png [--initials] [--centres] [--size WxH] "
                                "[--orders] [--smooth] [--no-maskblt]"},
                    SynopsisRow{"Animation", "animate",
                                "animate GAME.kes -o OUT.gif [--delay S] [--size WxH] [--orders] [--smooth] "
                                "[--initials] [--centres]"},
                    SynopsisRow{"ExclusivePair", "history", "history GAME.kes [--csv | --svg OUT.svg]"}),
    RowName());

// The README's command list is the table's: a command or option added to
// one and not the other fails here.
TEST(CommandSynopsis, ReadmeListsEveryCommandAsTheTableDoes)
{
    std::ifstream readme(std::string(KESTRANE_SOURCE_DIR) + "/README.md");
    ASSERT_TRUE(readme) << "README.md";
    std::stringstream text;
    text << readme.rdbuf();
    for (const CCliCommand& command : CliCommands())
        EXPECT_NE(text.str().find("    kestrane-cli " + command.Synopsis() + "\n"), std::string::npos)
            << command.Synopsis();
}

// --- help and version --------------------------------------------------------------

struct HelpRow {
    const char* name;
    std::vector<std::string> argv;
    std::vector<std::string> parts;
};

class CliHelp : public testing::TestWithParam<HelpRow> {};

TEST_P(CliHelp, PrintsTheHelpAskedFor)
{
    const CArgsResult result = ParseCliArgs(GetParam().argv);
    ASSERT_TRUE(result.help) << result.error;
    EXPECT_FALSE(result.args);
    for (const std::string& part : GetParam().parts)
        EXPECT_NE(result.helpText.find(part), std::string::npos) << part << "\n" << result.helpText;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, CliHelp,
    testing::Values(
        HelpRow{"Program", {"--help"}, {"usage: kestrane-cli [--install-dir DIR] COMMAND", "--version", "history"}},
        HelpRow{"ProgramAfterInstallDir", {"--install-dir", "/x", "-h"}, {"Commands:", "render"}},
        HelpRow{"Command", {"render", "--help"}, {"usage: kestrane-cli render GAME.kes [SEASON] -o OUT.png", "--no-maskblt", "WxH"}},
        HelpRow{"CommandAfterOperands", {"mail", "g.kes", "-h"}, {"--country NAME", "--password PW"}},
        HelpRow{"HelpWord", {"help", "import"}, {"usage: kestrane-cli import GAME.kes REPORT...", "--batch"}},
        HelpRow{"HelpWordAlone", {"help"}, {"Commands:"}}),
    RowName());

TEST(CliHelp, VersionIsAskedBeforeAnyCommand)
{
    const CArgsResult version = ParseCliArgs({"--version"});
    EXPECT_TRUE(version.version);
    EXPECT_FALSE(version.args);
    EXPECT_EQ(VersionText().rfind("kestrane-cli ", 0), 0u);
    EXPECT_GT(VersionText().size(), std::string("kestrane-cli \n").size());
    // After a command it is an option that command does not have.
    const CArgsResult late = ParseCliArgs({"seasons", "g.kes", "--version"});
    EXPECT_FALSE(late.version);
    EXPECT_NE(late.error.find("unknown option '--version'"), std::string::npos) << late.error;
}

// --- what reaches the parser from CLI11 ----------------------------------------------

struct EdgeRow {
    const char* name;
    std::vector<std::string> argv;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

class CliArgsEdges : public testing::TestWithParam<EdgeRow> {};

TEST_P(CliArgsEdges, OperandsAndValuesArriveAsGiven)
{
    const CArgsResult result = ParseCliArgs(GetParam().argv);
    ASSERT_TRUE(result.args) << result.error;
    EXPECT_EQ(result.args->positional, GetParam().positional);
    EXPECT_EQ(result.args->options, GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliArgsEdges,
    testing::Values(
        EdgeRow{"StandardInputOperand", {"import", "g.kes", "-", "b.txt"}, {"g.kes", "-", "b.txt"}, {}},
        EdgeRow{"OptionsBetweenOperands", {"import", "g.kes", "--batch", "a.txt", "b.txt"}, {"g.kes", "a.txt", "b.txt"},
                {{"--batch", ""}}},
        EdgeRow{"AfterDoubleDashEvenAFlag", {"show", "g.kes", "--", "--json"}, {"g.kes", "--json"}, {}},
        EdgeRow{"ShortOptionJoined", {"render", "g.kes", "-oout.png"}, {"g.kes"}, {{"-o", "out.png"}}},
        EdgeRow{"OutputBeforeOperand", {"render", "-o", "out.png", "g.kes", "F1901M"}, {"g.kes", "F1901M"},
                {{"-o", "out.png"}}},
        EdgeRow{"ValueWithSpacesAndEquals", {"mail", "g.kes", "--password", "a b=c"}, {"g.kes"},
                {{"--password", "a b=c"}}}),
    RowName());

struct UsageRow {
    const char* name;
    std::vector<std::string> argv;
    std::string error;
    std::string usagePart;
};

class CliUsageErrors : public testing::TestWithParam<UsageRow> {};

TEST_P(CliUsageErrors, NameTheFaultAndTheRightUsage)
{
    const CArgsResult result = ParseCliArgs(GetParam().argv);
    EXPECT_FALSE(result.args);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_NE(result.usage.find(GetParam().usagePart), std::string::npos) << result.usage;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliUsageErrors,
    testing::Values(
        UsageRow{"OptionBeforeCommand", {"--json", "show", "g.kes"}, "unknown option '--json'",
                 "usage: kestrane-cli COMMAND"},
        UsageRow{"InstallDirAfterCommandTwice", {"seasons", "g.kes", "--install-dir=/a", "--install-dir=/b"},
                 "option '--install-dir' given twice", "usage: kestrane-cli seasons GAME.kes"},
        UsageRow{"EmptyInstallDir", {"seasons", "g.kes", "--install-dir="}, "--install-dir needs a folder",
                 "seasons GAME.kes"},
        UsageRow{"OutputWithoutValue", {"render", "g.kes", "-o"}, "option '-o' needs a value", "-o OUT.png"},
        UsageRow{"FlagGivenTrue", {"import", "g.kes", "r.txt", "--batch=no"}, "option '--batch' takes no value",
                 "import GAME.kes REPORT..."},
        UsageRow{"SeasonAndOneMore", {"show", "g.kes", "F1901M", "extra"}, "too many operands for show",
                 "show GAME.kes [SEASON]"},
        UsageRow{"NewWithoutFile", {"new", "Standard"}, "too few operands for new", "new MAPNAME GAME.kes"}),
    RowName());

} // namespace
