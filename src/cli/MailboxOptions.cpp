#include "cli/MailboxOptions.h"

#include "cli/CommandSupport.h"

CMailAccount FetchAccount(const CFetchArgs& args, const CMailAccount& stored, const std::string& judge,
                          const std::string& game)
{
    CMailAccount account = stored;
    if (args.server)
        account.m_strServer = *args.server;
    if (args.security)
        account.m_security = *args.security;
    if (args.port)
        account.m_nPort = *args.port;
    else if (args.security)
        account.m_nPort = CMailAccount::DefaultPort(*args.security);
    if (args.user)
        account.m_strUser = *args.user;
    if (args.folder)
        account.m_strFolder = *args.folder;
    if (args.filter)
        account.m_strFilter = *args.filter;
    if (account.m_strFilter.empty())
        account.m_strFilter = DefaultMailFilter(judge, game);
    return account;
}

std::optional<CFetchArgs> MailboxOptions(const CCliArgs& args, const CCliEnvironment& env)
{
    CFetchArgs fetch;
    if (!TakeSecurityOption(args, env, fetch.security))
        return std::nullopt;
    fetch.installDir = InstallDirOf(args, env);
    const auto given = [&](const char* name) {
        return args.Has(name) ? std::optional<std::string>(args.Value(name)) : std::nullopt;
    };
    fetch.server = given("--server");
    fetch.user = given("--user");
    fetch.folder = given("--folder");
    fetch.filter = given("--filter");
    if (args.Has("--port"))
        fetch.port = std::stoi(args.Value("--port"));
    fetch.verbose = args.Has("--verbose");
    return fetch;
}
