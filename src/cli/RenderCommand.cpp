#include "cli/CommandSupport.h"
#include "views/MapRenderer.h"

int CommandRender(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();

    CDisplaySettings settings;
    settings.m_bInitials = args.Has("--initials") ? 1 : 0;
    settings.m_bSCDisplay = args.Has("--centres") ? 1 : 0;
    CScreenTarget screen;
    if (args.Has("--size")) {
        const auto size = ParseSize(args.Value("--size"));
        settings.m_bZoomToFit = 1;
        screen.m_nClientWidth = size->first;
        screen.m_nClientHeight = size->second;
    }
    CRenderOptions options;
    options.m_bMaskedCopy = !args.Has("--no-maskblt");

    const CDrawResult drawn = OnDraw(doc, settings, CDrawTarget(screen), session.Services(), options);
    if (!drawn.blit)
        return kExitFailed;
    CRgbImage image(drawn.blit->to.width, drawn.blit->to.height);
    ApplyBlit(image, drawn.picture, *drawn.blit);

    const std::string outPath = Absolute(args.Value("-o"));
    std::string error;
    if (!env.writePng || !env.writePng(image, outPath, error)) {
        Complain(env, "cannot write " + args.Value("-o") + (error.empty() ? "" : ": " + error));
        return kExitFailed;
    }
    return kExitOk;
}

