#pragma once

#include "judge/OrdersVerdict.h"
#include "judge/ReportBatch.h"

#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;

/// Why a status reply is not about the game: another Judge or another game
/// (names compared without regard to case, as the subject writes the game in
/// lower case). Empty when it is about the game, or the game has no Judge
/// mail yet to tell.
std::string ReplyForAnotherGame(const CKestraneDoc& doc, const COrdersStatus& status);

/// The reply as the orders state keeps it for its verdict: a line
/// "Subject: " with the mail's subject when it is known (older Judges flag
/// errors there only), then the reply's lines as they came.
std::vector<std::string> VerdictLines(const CReportText& reply);

/// The reply read back from the lines VerdictLines made; nullopt when they
/// hold none.
std::optional<COrdersStatus> ReadVerdictLines(const std::vector<std::string>& lines);

/// What the orders-status replies among some imported texts did.
struct COrdersStatusRecord {
    /// The last reply about the game among the texts; nullopt when none.
    std::optional<COrdersStatus> status;
    /// Why the last reply that was found is about another game, when no
    /// reply was about this one.
    std::string anotherGame;
    /// The reply laid beside the order lines sent for its phase, when the
    /// orders state holds a sent mail for that phase.
    std::optional<COrdersVerdict> paired;
    /// The reply is for the phase due and its power, and the orders state
    /// now keeps it as the Judge's verdict.
    bool kept = false;
    /// The orders state could not be written.
    bool failed = false;
    /// For the user when not empty: why a reply was not kept as the verdict,
    /// or the state file was damaged or could not be written.
    std::string message;

    /// "orders status for S1902M: 5 accepted, 1 refused" (VerdictHeadline);
    /// empty without a reply.
    std::string Headline() const;
};

/// After texts were imported into doc (or only read, as kestrane-cli status
/// reads a reply), takes the last orders-status reply among them that is
/// about the game as the Judge's verdict: when it is for the phase due that
/// the game's orders state stateFile holds (and for the player's country),
/// it is kept there, paired with the orders mail sent for that phase. The
/// game itself is never changed. The one call for every import path and
/// for kestrane-cli status; stateFile empty reads the replies and keeps
/// nothing.
COrdersStatusRecord RecordOrdersStatus(const std::string& stateFile, const CKestraneDoc& doc,
                                       const std::vector<CReportText>& texts);
