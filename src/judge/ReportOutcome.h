#pragma once

/// What importing one report did to the game.
enum class ReportOutcome {
    Filed,           ///< a new season was filed from the report's section
    AnotherGame,     ///< refused: the report is from another Judge or game
    AlreadyImported, ///< refused: the game holds that season already
    NoResults,       ///< a Judge mail without results (an orders status, a reply, a notice)
    NotJudgeMail,    ///< no Judge header line at all
    Rejected,        ///< refused for another reason (a damaged header, a missing base season)
    Fatal,           ///< the game record is inconsistent; the window is to be closed
};
