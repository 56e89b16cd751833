#include "cli/CommandSupport.h"
#include "views/MapRenderer.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithPdf(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".pdf") == 0;
}

// The plain picture, exactly as the map view composes and stretches it.
int WritePlainPicture(CGameSession& session, const CCliArgs& args, const CCliEnvironment& env,
                      const CDisplaySettings& settings, const CScreenTarget& screen, const CRenderOptions& options)
{
    const CDrawResult drawn = OnDraw(session.Doc(), settings, CDrawTarget(screen), session.Services(), options);
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

} // namespace

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

    const bool pdf = EndsWithPdf(args.Value("-o"));
    if (!args.Has("--orders") && !args.Has("--smooth") && !pdf)
        return WritePlainPicture(session, args, env, settings, screen, options);

    // The orders, smooth scaling and PDF pages are drawn by the program's
    // own painter, as the window and File, Export Map draw them.
    CMapFileRequest request;
    request.settings = settings;
    request.width = screen.m_nClientWidth;
    request.height = screen.m_nClientHeight;
    request.smooth = args.Has("--smooth");
    request.orders = args.Has("--orders");
    request.maskedCopy = options.m_bMaskedCopy;
    std::string error;
    if (!env.writeMap || !env.writeMap(doc, request, Absolute(args.Value("-o")), error)) {
        Complain(env, "cannot write " + args.Value("-o") + (error.empty() ? "" : ": " + error));
        return kExitFailed;
    }
    return kExitOk;
}
