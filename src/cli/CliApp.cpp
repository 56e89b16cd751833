#include "cli/CliApp.h"

#include <algorithm>

namespace {

constexpr const char* kProgram = "kestrane-cli";
constexpr const char* kInstallDirHelp =
    "the folder that holds Maps/; without it the desktop program's: its stored InstallDir, else the current "
    "folder when it holds Maps/, else the installed data";

// Usage lines in the program's own form ("usage: kestrane-cli show GAME.kes
// [SEASON] [--json]"), which CLI11's generic "[OPTIONS] operands" cannot give.
class CUsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string) const override
    {
        return UsageLine(FindCliCommand(app->get_name()));
    }
};

std::string CommandList()
{
    size_t width = 0;
    for (const CCliCommand& command : CliCommands())
        width = std::max(width, std::string(command.name).size());
    std::string out = "Commands:\n";
    for (const CCliCommand& command : CliCommands()) {
        std::string name = command.name;
        name.resize(width, ' ');
        out += "  " + name + "  " + command.summary + "\n";
    }
    out += "\nRun '" + std::string(kProgram) + " COMMAND --help' for a command's operands and options.";
    return out;
}

void AddInstallDir(CLI::App& app)
{
    // Taken as often as given, so that "given twice" (also once before and
    // once after the command) is the caller's message, not CLI11's.
    app.add_option("--install-dir", kInstallDirHelp)
        ->type_name("DIR")
        ->expected(0, 1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

} // namespace

std::string UsageLine(const CCliCommand* command)
{
    if (command)
        return std::string("usage: ") + kProgram + " " + command->Synopsis() + " [--install-dir DIR]\n";
    return std::string("usage: ") + kProgram + " [--install-dir DIR] COMMAND ...\n";
}

std::unique_ptr<CLI::App> MakeProgramApp()
{
    auto app = std::make_unique<CLI::App>(
        "Works on Kestrane game documents with the desktop program's core: new games, Judge report imports, "
        "seasons, orders, map pictures, orders mails and supply-centre histories.",
        kProgram);
    app->formatter(std::make_shared<CUsageFormatter>());
    app->set_version_flag("--version", KESTRANE_VERSION, "print the version and exit");
    AddInstallDir(*app);
    app->prefix_command();
    app->allow_extras();
    app->footer(CommandList());
    return app;
}

std::unique_ptr<CLI::App> MakeCommandApp(const CCliCommand& command)
{
    auto app = std::make_unique<CLI::App>(command.description, command.name);
    app->formatter(std::make_shared<CUsageFormatter>());
    app->allow_extras();
    // The operands are shown on the usage line, so they need no section of their own.
    // As many as given: the counts are checked with the command's own words.
    app->add_option(kOperandsName, "operands")
        ->expected(0, 1)
        ->allow_extra_args()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("");
    for (const CCliOption& option : command.options) {
        if (option.IsFlag()) {
            app->add_flag(option.name, option.help);
            continue;
        }
        app->add_option(option.name, option.help)
            ->type_name(option.valueName)
            ->expected(0, 1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    AddInstallDir(*app);
    return app;
}
