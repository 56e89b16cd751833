#pragma once

#include "judge/OrdersVerdict.h"
#include "judge/ReportBatch.h"

#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;

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

/// Where a front end keeps the games' orders states (OrdersStateFile.h). The
/// services of a document that also offer this interface have every import
/// keep in the game's orders state what its mails tell (RecordImport);
/// others keep nothing.
class IOrdersStateFiles {
public:
    virtual ~IOrdersStateFiles() = default;
    /// The orders state of the game file at gamePath; empty keeps nothing.
    virtual std::string OrdersStateFileOf(const std::string& gamePath) const = 0;
};

/// The orders state file of doc as its services name it; empty when they
/// keep none or the game has no file yet.
std::string OrdersStateFileOfGame(const CKestraneDoc& doc);

/// What keeping an import in the game's orders state did.
struct CImportRecord {
    /// The state file could not be written.
    bool failed = false;
    /// For the user when not empty: the state file was damaged (and moved
    /// aside) or could not be written.
    std::string message;
};

/// After texts were imported into doc by a batch that gave summary, keeps
/// in the orders state stateFile what they tell: the phase due
/// (RecordPhaseDue), the address of the game's Judge, and the Judge's
/// verdict (RecordOrdersStatus). The reply's line in the summary then gives
/// the verdict laid beside the orders sent ("orders status for S1902M:
/// 5 accepted, 1 refused") and, in its note, why it was not kept. The
/// game itself is never changed. Every import path of the desktop program
/// and the command line goes through it; stateFile or doc's path empty
/// keeps nothing.
CImportRecord RecordImport(const std::string& stateFile, const CKestraneDoc& doc,
                           const std::vector<CReportText>& texts, CBatchSummary& summary);
