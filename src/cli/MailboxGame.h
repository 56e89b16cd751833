#pragma once

#include "cli/Commands.h"
#include "cli/MailboxOptions.h"
#include "mailaccess/FetchMarks.h"
#include "mailaccess/MailAccount.h"
#include "mailaccess/MailboxFetch.h"
#include "mailbox/MailboxImport.h"
#include "watch/Notice.h"

#include <optional>
#include <string>

/// One game read from its mailbox by fetch and watch: the game file, the
/// account it is read through, the password and its mark.
struct CMailboxGame {
    std::string path; ///< the game file, absolute
    std::string installDir;
    CMailAccount account;
    std::string password;
    std::string markKey; ///< the game's entry in the marks file
    CFetchMark mark;     ///< how far the game had read when it was prepared
    bool verbose = false; ///< every mail listed in the summary, with its messages
};

/// The game of args.game with the account it is read through (the
/// arguments over the stored account), its password and its stored mark;
/// nullopt after telling why not.
std::optional<CMailboxGame> PrepareMailboxGame(const CFetchArgs& args, const CCliEnvironment& env);

/// The connection options of the command line: the defaults, with the
/// certificates KESTRANE_IMAP_CA_FILE names trusted besides the system's.
CImapOptions CliImapOptions();

/// The headline (when given) on standard output, then the import's summary
/// as PrintImportSummary gives it: how import --batch, fetch and watch tell
/// what an import did.
void PrintImport(const CCliEnvironment& env, const CMailboxImport& import, const std::string& headline, bool verbose);

/// What importing one fetch did.
struct CFetchImport {
    bool ok = false;
    /// The notice of the seasons filed; nullopt when none was filed.
    std::optional<CNotice> notice;
    /// The phase due after the import with the time left (DueInWords);
    /// nullopt when none is known.
    std::optional<std::string> due;
};

/// Imports the fetched messages into the game as import --batch does, the
/// game opened afresh from its file (it may have changed since it was
/// prepared): PrintImport with the headline (after prefix) and summary;
/// then saves the game, records the phase due and stores next as the
/// game's mark. A broken game is not saved and its mark stays, so its mails
/// are fetched again next time.
CFetchImport ImportFetch(const CCliEnvironment& env, const CMailboxGame& game, const CMailboxFetch& fetch,
                         const CFetchMark& next, const std::string& prefix = {});

/// Stores mark as the game's in the marks file, read afresh so the marks
/// other games stored meanwhile stay; false after telling why not.
bool StoreMark(const CCliEnvironment& env, const CMailboxGame& game, const CFetchMark& mark);
