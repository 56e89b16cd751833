#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "mailaccess/MailAccount.h"

#include <optional>
#include <string>

/// The arguments of fetch and watch: the game, and whatever the command line
/// says about the mailbox (the rest comes from the account the desktop
/// program stored for the game, else the defaults).
struct CFetchArgs {
    std::string game;
    /// The installation folder (--install-dir, else the stored one).
    std::string installDir;
    std::optional<std::string> server;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> folder;
    std::optional<std::string> filter;
    std::optional<MailSecurity> security;
    /// List every mail in the summary and print every mail's messages.
    bool verbose = false;
};

/// The account a fetch uses: stored, overridden by the arguments. A port not
/// given follows a security mode given (993 or 143), else the stored port.
/// An empty filter becomes the default for the game's Judge and name.
CMailAccount FetchAccount(const CFetchArgs& args, const CMailAccount& stored, const std::string& judge,
                          const std::string& game);

/// The mailbox options of fetch's or watch's command line and the
/// installation folder (no game yet); nullopt after saying what is wrong.
std::optional<CFetchArgs> MailboxOptions(const CCliArgs& args, const CCliEnvironment& env);
