#pragma once

#include "mailbox/ReportText.h"

#include <string>
#include <vector>

/// The real Judge's mails of one game beside the repository, and the game
/// they make when imported one by one as plain text files.
namespace judgegame {

struct Mail {
    std::string file;    // its name in the game folder
    std::string body;    // the bytes the Judge sent
    std::string subject; // the subject the Judge gave it
};

/// The folder of the named game (kestrel, kestrel-2003) below the shared folder.
std::string Folder(const std::string& game);

/// True when the shared folder with the game is beside the repository.
bool Available(const std::string& game);

/// The game's mails in the Judge's order.
std::vector<Mail> Mails(const std::string& game);

/// The saved bytes of a new standard game after importing texts in order,
/// each from a text file of its own; messages collects what the import said.
std::string SavedGame(const std::vector<std::string>& texts, std::vector<std::string>& messages);

/// The texts of reports, for SavedGame.
std::vector<std::string> TextsOf(const std::vector<CReportText>& reports);
std::vector<std::string> TextsOf(const std::vector<Mail>& mails);

/// A date line for the i-th mail of a game.
std::string DateOf(size_t i);

} // namespace judgegame
