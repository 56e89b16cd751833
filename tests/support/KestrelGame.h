#pragma once

#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

/// The real Judge game "kestrel" beside the repository (judge-games/kestrel):
/// its mails in game order and the Judge's own record of each phase.
namespace kestrel {

/// The game's folder; it may be absent (tests then skip).
std::filesystem::path Folder();
bool Available();

/// The game-start mail and the fourteen results, in the order they were sent.
std::vector<std::filesystem::path> Mails();

/// The phase a mail reports, from its file name ("08-F1902R-retreat.txt"
/// gives "F1902R"); the game-start mail gives "start".
std::string PhaseOf(const std::filesystem::path& mail);

/// Imports a copy of each mail (importing rewrites the file) into doc,
/// which must be a new game on the standard board.
void ImportAll(CKestraneDoc& doc, const std::filesystem::path& scratch);

/// The whole game imported mail by mail into a new game on the bundled
/// standard board; services holds whatever the import said.
struct CImportedGame {
    CImportedGame();

    CRecordingServices services;
    CKestraneDoc doc{services};
    /// The new game was made (the board loaded) before the import.
    bool created = false;

private:
    CTempDir m_scratch;
};

/// One power's figures as the Judge recorded them after a phase.
struct PowerFigures {
    int centres = 0;
    int units = 0;
    friend bool operator==(const PowerFigures&, const PowerFigures&) = default;
};

/// Centres owned and units on the board, per power (upper case), after
/// phase, from truth/<phase>.json.
std::map<std::string, PowerFigures> Truth(const std::string& phase);

/// The count table that ends a fall result mail, per power (upper case):
/// "Austria:   7 Supply centers,  5 Units:  Builds   2 units." Empty when
/// the mail has none.
struct TableRow {
    int centres = 0;
    int units = 0;
    int adjustment = 0; ///< builds positive, removals negative
    friend bool operator==(const TableRow&, const TableRow&) = default;
};
std::map<std::string, TableRow> CountTable(const std::filesystem::path& mail);

} // namespace kestrel
