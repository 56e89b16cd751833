#include "cli/CliArgs.h"

#include "cli/CliApp.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

CArgsResult Error(std::string text, std::string usage)
{
    CArgsResult result;
    result.error = std::move(text);
    result.usage = std::move(usage);
    return result;
}

CArgsResult Help(std::string text)
{
    CArgsResult result;
    result.help = true;
    result.helpText = std::move(text);
    return result;
}

// CLI11 takes the arguments last first.
void Parse(CLI::App& app, const std::vector<std::string>& argv)
{
    std::vector<std::string> reversed(argv.rbegin(), argv.rend());
    app.parse(reversed);
}

std::string CommandUsage(const CCliCommand& command)
{
    return UsageLine(&command) + "Run 'kestrane-cli " + command.name +
           " --help' for its options.\n";
}

// The usage error of the options given, or an empty text.
std::string CheckOptions(const CLI::App& app, const CCliCommand& command, CCliArgs& args)
{
    for (const CCliOption& option : command.options) {
        const CLI::Option* given = app.get_option(option.name);
        if (given->count() == 0)
            continue;
        const std::string name = option.name;
        if (given->count() > 1)
            return "option '" + name + "' given twice";
        const std::vector<std::string>& values = given->results();
        if (option.IsFlag()) {
            // CLI11 records a plain flag as "true"; anything else came after "=".
            if (values.size() != 1 || values.front() != "true")
                return "option '" + name + "' takes no value";
            args.options[name] = "";
            continue;
        }
        if (values.empty() || values.front().empty())
            return "option '" + name + "' needs a value";
        if (option.valid && !option.valid(values.front()))
            return option.invalidText;
        args.options[name] = values.front();
    }
    for (const CCliOption& option : command.options) {
        if (option.required && !args.Has(option.name))
            return std::string(command.name) + " needs " + option.name + " " + option.valueName;
        if (option.excludes && args.Has(option.name) && args.Has(option.excludes))
            return std::string(command.name) + " takes " + option.name + " or " + option.excludes + ", not both";
    }
    return {};
}

// --install-dir once, before or after the command.
std::string CheckInstallDir(const CLI::App& program, const CLI::App& app, CCliArgs& args)
{
    const CLI::Option* before = program.get_option("--install-dir");
    const CLI::Option* after = app.get_option("--install-dir");
    if (before->count() + after->count() > 1)
        return "option '--install-dir' given twice";
    const CLI::Option* given = before->count() ? before : after->count() ? after : nullptr;
    if (!given)
        return {};
    if (given->results().empty() || given->results().front().empty())
        return "--install-dir needs a folder";
    args.installDir = given->results().front();
    return {};
}

} // namespace

std::string CCliArgs::Value(const std::string& option, const std::string& fallback) const
{
    const auto it = options.find(option);
    return it == options.end() ? fallback : it->second;
}

CArgsResult ParseCliArgs(const std::vector<std::string>& argv)
{
    const auto program = MakeProgramApp();
    try {
        Parse(*program, argv);
    } catch (const CLI::CallForHelp&) {
        return Help(program->help());
    } catch (const CLI::CallForVersion&) {
        CArgsResult result;
        result.version = true;
        return result;
    } catch (const CLI::ParseError& e) {
        return Error(e.what(), UsageText());
    }

    // Everything from the command on, as CLI11 left it.
    const std::vector<std::string> rest = program->remaining();
    if (rest.empty())
        return Error("no command given", UsageText());
    const std::string& word = rest.front();
    if (word == "help") {
        const CCliCommand* about = rest.size() > 1 ? FindCliCommand(rest[1]) : nullptr;
        return Help(about ? MakeCommandApp(*about)->help() : program->help());
    }
    if (word.size() > 1 && word.front() == '-')
        return Error("unknown option '" + word + "'", UsageText());
    const CCliCommand* command = FindCliCommand(word);
    if (!command)
        return Error("unknown command '" + word + "'", UsageText());

    const auto app = MakeCommandApp(*command);
    try {
        Parse(*app, std::vector<std::string>(rest.begin() + 1, rest.end()));
    } catch (const CLI::CallForHelp&) {
        return Help(app->help());
    } catch (const CLI::ParseError& e) {
        return Error(e.what(), CommandUsage(*command));
    }

    CCliArgs args;
    args.command = command->name;
    // Anything CLI11 could not place is an option this command does not have;
    // it leaves the "--" it obeyed among them.
    for (const std::string& extra : app->remaining())
        if (extra != "--")
            return Error("unknown option '" + extra + "' for " + args.command, CommandUsage(*command));
    args.positional = app->get_option(kOperandsName)->results();
    std::string problem = CheckOptions(*app, *command, args);
    if (problem.empty())
        problem = CheckInstallDir(*program, *app, args);
    if (problem.empty() && args.positional.size() < command->minOperands)
        problem = "too few operands for " + args.command;
    if (problem.empty() && args.positional.size() > command->maxOperands)
        problem = "too many operands for " + args.command;
    if (!problem.empty())
        return Error(problem, CommandUsage(*command));

    CArgsResult result;
    result.args = std::move(args);
    return result;
}

std::optional<std::pair<int, int>> ParseSize(const std::string& text)
{
    // Two pictures of this size are held at once (the map and its PNG copy).
    constexpr int64_t kMaxPixels = 4096LL * 4096;
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size())
        return std::nullopt;
    auto parse = [](std::string_view part) -> std::optional<int> {
        int value = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (ec != std::errc() || end != part.data() + part.size() || value < 1 || value > 16384)
            return std::nullopt;
        return value;
    };
    const std::string_view view(text);
    const auto width = parse(view.substr(0, x));
    const auto height = parse(view.substr(x + 1));
    if (!width || !height || int64_t(*width) * int64_t(*height) > kMaxPixels)
        return std::nullopt;
    return std::make_pair(*width, *height);
}

std::optional<int> ParseDelay(const std::string& text)
{
    // Seconds, with a fraction if wanted: "1.5"; kept to hundredths.
    double seconds = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc() || end != text.data() + text.size() || !(seconds >= 0.01) || seconds > 600)
        return std::nullopt;
    return int(std::lround(seconds * 100));
}

std::string UsageText()
{
    std::string out = "usage: kestrane-cli COMMAND [--install-dir DIR] ...\n";
    for (const CCliCommand& command : CliCommands())
        out += "  " + command.Synopsis() + "\n";
    out += "Run 'kestrane-cli COMMAND --help' for a command's operands and options.\n";
    return out;
}

std::string VersionText()
{
    return std::string("kestrane-cli ") + KESTRANE_VERSION + "\n";
}
