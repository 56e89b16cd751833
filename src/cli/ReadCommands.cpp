#include "cli/CommandSupport.h"
#include "cli/History.h"
#include "cli/OrdersStateCommand.h"
#include "cli/SeasonReport.h"
#include "mail/OrdersMail.h"
#include "model/FileBytes.h"

#include <iostream>

int CommandSeasons(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    for (const auto& season : session.Doc().m_seasons)
        env.out << season->m_strSeason << '\t' << season->m_strDeadline << '\n';
    return kExitOk;
}

int CommandShow(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    env.out << (args.Has("--json") ? SeasonReportJson(session.Doc()) : SeasonReportText(session.Doc()));
    return kExitOk;
}

int CommandMail(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    if (!TakeSignOnOptions(doc, args, env))
        return kExitFailed;
    if (!ComposeOrdersMail(doc, StoredDrafts(env, doc)) || session.Services().CloseRequested())
        return kExitFailed;
    env.out << doc.m_strMail;
    env.out.flush();
    return kExitOk;
}

int CommandHistory(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    const CCentreHistory history = BuildCentreHistory(session.Doc());
    if (!args.Has("--svg")) {
        env.out << CentreHistoryCsv(history);
        return kExitOk;
    }
    const std::string outPath = Absolute(args.Value("--svg"));
    if (!WriteFileBytes(outPath, CentreHistorySvg(history))) {
        Complain(env, "cannot write " + args.Value("--svg"));
        return kExitFailed;
    }
    return kExitOk;
}

