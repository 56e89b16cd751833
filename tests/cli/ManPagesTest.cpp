#include "app/StartOptions.h"
#include "cli/CommandTable.h"
#include "cli/ManPages.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

struct PageRow {
    const char* name;
    std::string (*make)();
    std::vector<std::string> parts;
};

class ManPage : public testing::TestWithParam<PageRow> {};

TEST_P(ManPage, IsRoffWithTheProgramsDefinitions)
{
    const std::string page = GetParam().make();
    EXPECT_EQ(page.rfind(".TH ", 0), 0u);
    for (const char* section : {".SH NAME\n", ".SH SYNOPSIS\n", ".SH DESCRIPTION\n", ".SH OPTIONS\n"})
        EXPECT_NE(page.find(section), std::string::npos) << section;
    for (const std::string& part : GetParam().parts)
        EXPECT_NE(page.find(part), std::string::npos) << part;
    // A hyphen left bare is a typographic dash to man; every one is escaped.
    for (size_t at = page.find('-'); at != std::string::npos; at = page.find('-', at + 1))
        EXPECT_EQ(page[at - 1], '\\') << page.substr(at > 20 ? at - 20 : 0, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ManPage,
    testing::Values(PageRow{"CommandLine", CliManPage,
                            {".TH KESTRANE\\-CLI 1", ".SS render GAME.kes [SEASON] \\-o OUT.png",
                             ".B \\-\\-size \\fIWxH\\fR", ".B \\-\\-version", ".SH EXIT STATUS"}},
                    PageRow{"Desktop", DesktopManPage,
                            {".TH KESTRANE 1", ".B \\-nosplash\n", ".B \\-screenshot \\fIFILE\\fR"}}),
    RowName());

// Every command and every option of the table reaches the page and the
// completion, so neither can fall behind a command added later.
TEST(ManPage, EveryCommandAndOptionIsDescribed)
{
    const std::string page = CliManPage();
    const std::string completion = CliBashCompletion();
    auto roff = [](std::string text) {
        for (size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 2))
            text.insert(at, "\\");
        return text;
    };
    for (const CCliCommand& command : CliCommands()) {
        EXPECT_NE(page.find(".SS " + roff(command.Synopsis()) + "\n"), std::string::npos) << command.name;
        EXPECT_NE(completion.find("        " + std::string(command.name) + ")\n"), std::string::npos) << command.name;
        for (const CCliOption& option : command.options) {
            EXPECT_NE(page.find(".B " + roff(option.name)), std::string::npos) << option.name;
            EXPECT_NE(completion.find(std::string(option.name) + " "), std::string::npos) << option.name;
        }
    }
    for (const CStartOption& option : StartOptionTable())
        EXPECT_NE(DesktopManPage().find(".B " + roff(option.name)), std::string::npos) << option.name;
}

struct ValueRow {
    const char* name;
    const char* option;
    std::string completion;
};

class BashCompletion : public testing::TestWithParam<ValueRow> {};

TEST_P(BashCompletion, CompletesAnOptionsValueByItsKind)
{
    const std::string script = CliBashCompletion();
    const std::string line = std::string(GetParam().option) + ") COMPREPLY=($(" + GetParam().completion;
    EXPECT_NE(script.find(line), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Values, BashCompletion,
    testing::Values(ValueRow{"PngFile", "-o", "compgen -f -X '!*.png'"},
                    ValueRow{"SvgFile", "--svg", "compgen -f -X '!*.svg'"},
                    ValueRow{"NoGuessForAName", "--country", "))"}),
    RowName());

TEST(DesktopHelp, ListsEveryStartOption)
{
    const std::string help = StartHelpText();
    EXPECT_EQ(help.rfind("usage: kestrane [OPTIONS] [GAME.kes...]\n", 0), 0u);
    for (const CStartOption& option : StartOptionTable())
        EXPECT_NE(help.find(std::string("  ") + option.name), std::string::npos) << option.name;
}

} // namespace
