#include "cli/CliArgs.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>

namespace {

struct CommandSpec {
    const char* name;
    size_t minOperands;
    size_t maxOperands;
    std::set<std::string> flags;
    std::set<std::string> valued;
};

constexpr size_t kUnlimited = static_cast<size_t>(-1);

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands = {
        {"new", 2, 2, {}, {}},
        {"import", 2, kUnlimited, {"--batch"}, {}},
        {"seasons", 1, 1, {}, {}},
        {"show", 1, 2, {"--json"}, {}},
        {"render", 1, 2, {"--initials", "--centres", "--no-maskblt"}, {"-o", "--size"}},
        {"mail", 1, 1, {}, {"--country", "--password"}},
        {"history", 1, 1, {"--csv"}, {"--svg"}},
    };
    return commands;
}

const CommandSpec* FindCommand(const std::string& name)
{
    for (const auto& desc : Commands())
        if (name == desc.name)
            return &desc;
    return nullptr;
}

CArgsResult Error(std::string text)
{
    CArgsResult result;
    result.error = std::move(text);
    return result;
}

bool LooksLikeOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-';
}

} // namespace

std::string CCliArgs::Value(const std::string& option, const std::string& fallback) const
{
    const auto it = options.find(option);
    return it == options.end() ? fallback : it->second;
}

CArgsResult ParseCliArgs(const std::vector<std::string>& argv)
{
    // --install-dir may also stand before the command, as a global option.
    std::optional<std::string> leadingInstallDir;
    size_t first = 0;
    while (first < argv.size() && argv[first].rfind("--install-dir", 0) == 0) {
        if (leadingInstallDir)
            return Error("option '--install-dir' given twice");
        if (argv[first] == "--install-dir") {
            if (first + 1 >= argv.size())
                return Error("option '--install-dir' needs a value");
            leadingInstallDir = argv[first + 1];
            first += 2;
        } else if (argv[first].rfind("--install-dir=", 0) == 0) {
            leadingInstallDir = argv[first].substr(14);
            first += 1;
        } else {
            break;
        }
    }
    if (first >= argv.size())
        return Error("no command given");
    const std::string& command = argv[first];
    if (command == "--help" || command == "-h" || command == "help") {
        CArgsResult result;
        result.help = true;
        return result;
    }
    const CommandSpec* desc = FindCommand(command);
    if (!desc)
        return Error("unknown command '" + command + "'");

    CCliArgs args;
    args.command = desc->name;
    args.installDir = leadingInstallDir;
    bool operandsOnly = false;
    for (size_t i = first + 1; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        if (operandsOnly || !LooksLikeOption(arg)) {
            args.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            operandsOnly = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            CArgsResult result;
            result.help = true;
            return result;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const bool isInstallDir = name == "--install-dir";
        const bool isValued = isInstallDir || desc->valued.count(name) != 0;
        if (!isValued && desc->flags.count(name) == 0)
            return Error("unknown option '" + name + "' for " + args.command);
        if (!isValued && inlineValue)
            return Error("option '" + name + "' takes no value");
        std::string value;
        if (isValued) {
            if (inlineValue) {
                value = *inlineValue;
            } else {
                if (i + 1 >= argv.size())
                    return Error("option '" + name + "' needs a value");
                value = argv[++i];
            }
        }
        if (isInstallDir) {
            if (args.installDir)
                return Error("option '--install-dir' given twice");
            args.installDir = value;
            continue;
        }
        if (args.options.count(name) != 0)
            return Error("option '" + name + "' given twice");
        args.options[name] = value;
    }

    if (args.positional.size() < desc->minOperands)
        return Error(std::string("too few operands for ") + desc->name);
    if (desc->maxOperands != kUnlimited && args.positional.size() > desc->maxOperands)
        return Error(std::string("too many operands for ") + desc->name);
    if (args.command == "render") {
        if (!args.Has("-o"))
            return Error("render needs -o OUT.png");
        if (args.Has("--size") && !ParseSize(args.Value("--size")))
            return Error("--size must be WxH, for example 800x600");
    }
    if (args.command == "history" && args.Has("--csv") && args.Has("--svg"))
        return Error("history takes --csv or --svg, not both");
    if (args.installDir && args.installDir->empty())
        return Error("--install-dir needs a folder");

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

std::string UsageText()
{
    return "usage: kestrane-cli COMMAND [--install-dir DIR] ...\n"
           "  new MAPNAME GAME.kes                 a new game from Maps/MAPNAME.map\n"
           "  import GAME.kes REPORT... [--batch]  import Judge reports ('-' reads standard input)\n"
           "  seasons GAME.kes                     list the seasons: name, tab, deadline\n"
           "  show GAME.kes [SEASON] [--json]      orders, dislodged units, units and centres\n"
           "  render GAME.kes [SEASON] -o OUT.png [--initials] [--centres] [--size WxH] [--no-maskblt]\n"
           "  mail GAME.kes [--country NAME] [--password PW]   print the orders mail\n"
           "  history GAME.kes [--csv | --svg OUT.svg]        supply centres per season\n";
}
