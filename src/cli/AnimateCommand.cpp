#include "cli/CommandSupport.h"

int CommandAnimate(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    const std::string gamePath = Absolute(args.positional[0]);
    if (!session.Open(gamePath))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    if (doc.m_seasons.empty()) {
        Complain(env, args.positional[0] + " has no season to animate");
        return kExitFailed;
    }

    CMapFileRequest request;
    request.settings.m_bInitials = args.Has("--initials") ? 1 : 0;
    request.settings.m_bSCDisplay = args.Has("--centres") ? 1 : 0;
    request.orders = args.Has("--orders");
    request.smooth = args.Has("--smooth");
    if (args.Has("--size")) {
        const auto size = ParseSize(args.Value("--size"));
        request.width = size->first;
        request.height = size->second;
    }
    if (args.Has("--delay"))
        request.delay = *ParseDelay(args.Value("--delay"));

    std::string error;
    if (!env.writeAnimation || !env.writeAnimation(doc, request, Absolute(args.Value("-o")), error)) {
        Complain(env, "cannot write " + args.Value("-o") + (error.empty() ? "" : ": " + error));
        return kExitFailed;
    }
    return kExitOk;
}
