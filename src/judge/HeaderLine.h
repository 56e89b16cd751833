#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The Judge's header as every reader of a report takes it: the header line
/// (":: Judge: USEF  Game: kestrel  Variant: Standard"), the deadline line
/// right under it (":: Deadline: S1901M Mon Jan 12 2004 23:30 -0500") and the
/// sentence that marks the game-start report. The header parser, the mail
/// splitter, the history-reply reader and the batch's game order all read it
/// here, so they cannot disagree on what a report is.

/// Where a header line may hold ":: Judge:": anywhere for a report file, only
/// at its start for clipboard text. A line that begins with "Judge:" is a
/// header line in both.
enum class HeaderForm { File, Clipboard };

/// True for a header line of the given form.
bool IsJudgeHeaderLine(std::string_view line, HeaderForm form = HeaderForm::File);

/// The words of a header or deadline line: its last full stop and every byte
/// of 128 or more count as blanks; blanks, colons, tabs and commas separate
/// words. They are taken with the parsers' own word splitter.
std::vector<std::string> HeaderWords(std::string_view line);

/// One keyword of a header line and what follows it.
struct CHeaderField {
    enum class Key { Judge, Game, Variant };
    Key key = Key::Judge;
    /// For Judge and Game: the next word (empty when the line ends there).
    std::string value;
    /// For Variant: every word after it, to the end of the line.
    std::vector<std::string> rest;
};

/// The keywords of a header line in the order it holds them. The word after
/// "Judge" or "Game" is that keyword's value and never a keyword itself. The
/// words after "Variant" are its value and are read on for keywords too: a
/// game that has its variant already reads them so.
std::vector<CHeaderField> ReadHeaderFields(std::string_view line);

/// What a deadline line says: the word after "Deadline" names the season, and
/// the words after that, each followed by one blank, are the deadline (a
/// clock time loses its colon).
struct CDeadlineLine {
    bool found = false; ///< the line holds the word "Deadline"
    std::string season;
    std::string deadline;
};
CDeadlineLine ReadDeadlineLine(std::string_view line);

/// True for the line that marks the game-start report: "You have been selected".
bool IsGameStartLine(std::string_view line);

/// The name a game-start report is filed under: a year before the season its
/// deadline names (S1901M gives S1900M).
std::string GameStartSeasonName(const std::string& season);

/// True for a season name the import files: six characters whose characters
/// 1 to 4 are the year's digits. Season and phase letters are not checked;
/// variants have their own.
bool IsSeasonName(std::string_view name);

/// The header of a whole text: its first header line (file form), the
/// deadline line under it and whether any later line marks the game start.
struct CHeaderLines {
    bool found = false; ///< the text has a header line
    std::vector<CHeaderField> fields;
    CDeadlineLine deadline;
    bool gameStart = false;

    /// The first value of key, or empty.
    std::string First(CHeaderField::Key key) const;
    /// The words of the first Variant, or none.
    std::vector<std::string> Variant() const;
    /// The name the import files the text under: the season of the deadline
    /// line, a year earlier for the game start. Empty without a header line
    /// or a season word.
    std::string FiledSeason() const;
};
CHeaderLines ReadHeaderLines(std::string_view text);
