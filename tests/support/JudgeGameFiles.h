#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// The real Judge games beside the repository (../shared/judge-games): each
/// game's result mails with the Judge's own record of every phase, and every
/// mail the Judge sent while the game was played.
namespace judgefiles {

/// The folder of the named game (kestrel, kestrel-2003, kestrel-history).
std::filesystem::path GameFolder(const std::string& game);

/// One result mail of a game and the Judge's record after it.
struct ResultMail {
    std::string file;    // its name in the game folder
    std::string subject; // the subject the Judge gave it
    std::string body;    // the mail's bytes
    std::string truth;   // the record file, relative to the game folder
};

/// The game's result mails in the order index.json lists them; empty when
/// the game is not there.
std::vector<ResultMail> ResultMails(const std::string& game);

/// One mail of a capture in raw/.
struct RawMail {
    std::string origin;  // the capture file and the mail's place in it
    std::string subject; // the subject the Judge gave it
    std::string body;    // the mail's bytes between the capture's marker lines
};

/// Every mail of every capture in the game's raw/ folder, in file order.
std::vector<RawMail> RawMails(const std::string& game);

/// True for a subject the Judge gives a mail that carries a phase's results
/// or the game's starting position.
bool IsResultSubject(const std::string& subject);

} // namespace judgefiles
