#include "cli/FetchCommand.h"

#include "cli/CommandSupport.h"
#include "cli/MailboxGame.h"

#include <ostream>

int CommandFetch(const CFetchArgs& args, const CCliEnvironment& env)
{
    const std::optional<CMailboxGame> game = PrepareMailboxGame(args, env);
    if (!game)
        return kExitFailed;
    const CMailboxFetch fetch = FetchNewMail(game->account, game->password, game->mark, CliImapOptions());
    if (!fetch.Ok()) {
        Complain(env, fetch.error);
        return kExitFailed;
    }
    if (fetch.mails.empty()) {
        env.out << "No new mail for this game in " << game->account.m_strFolder << " on " << game->account.m_strServer
                << ".\n";
        StoreMark(env, *game, fetch.NextMark(game->mark));
        return kExitOk;
    }
    return ImportFetch(env, *game, fetch, fetch.NextMark(game->mark)).ok ? kExitOk : kExitFailed;
}

int CommandFetchArgs(const CCliArgs& args, const CCliEnvironment& env)
{
    std::optional<CFetchArgs> fetch = MailboxOptions(args, env);
    if (!fetch)
        return kExitUsage;
    fetch->game = args.positional[0];
    return CommandFetch(*fetch, env);
}
