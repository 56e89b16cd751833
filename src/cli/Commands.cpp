#include "cli/Commands.h"

#include "cli/CommandSupport.h"
#include "cli/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace fs = std::filesystem;

int CommandNew(const CCliArgs& args, const CCliEnvironment& env)
{
    std::string mapName = args.positional[0];
    const std::string gamePath = Absolute(args.positional[1]);
    std::error_code ec;
    if (fs::exists(gamePath, ec)) {
        Complain(env, args.positional[1] + " exists already; a new game is never written over a file");
        return kExitFailed;
    }
    // The core takes the map name from the file title of the chosen file, so
    // a name with full stops of its own keeps them.
    std::string lower = mapName;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".map") != 0)
        mapName += ".map";

    CGameSession session(env, InstallDirOf(args, env));
    CKestraneDoc& doc = session.Doc();
    if (!doc.OnNewDocument(mapName) || session.Services().CloseRequested())
        return kExitFailed;
    doc.SetPathName(gamePath);
    doc.SetTitle(fs::path(gamePath).filename().string());
    return session.Save(gamePath) ? kExitOk : kExitFailed;
}

int RunCli(const std::vector<std::string>& argv, const CCliEnvironment& env)
{
    const CArgsResult parsed = ParseCliArgs(argv);
    if (parsed.help) {
        env.out << parsed.helpText;
        return kExitOk;
    }
    if (parsed.version) {
        env.out << VersionText();
        return kExitOk;
    }
    if (!parsed.args) {
        Complain(env, parsed.error);
        env.err << parsed.usage;
        return kExitUsage;
    }
    const CCliArgs& args = *parsed.args;
    return FindCliCommand(args.command)->run(args, env);
}
