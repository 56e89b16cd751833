#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CKestraneDoc;

/// One order line the Judge refused: the line as the player sent it (as the
/// Judge echoed it, without its "A: " prefix) and the Judge's message lines
/// about it, verbatim ("Discarding junk: [...]" among them).
struct COrdersRefusal {
    std::string line;
    std::vector<std::string> messages;

    friend bool operator==(const COrdersRefusal&, const COrdersRefusal&) = default;
};

/// The Judge's reply to an orders mail: what it made of each order.
struct COrdersStatus {
    std::string judge; ///< "XXXX", from the header or the subject
    std::string game;  ///< as the header names it ("Kestrel"), else as the subject does
    std::string phase; ///< "S1902M", from the deadline line or the subject
    /// The power the status is about ("Austria"), from its listing; empty
    /// when the listing is empty.
    std::string power;
    /// The refused lines in the order of the mail. Accepted lines are not echoed.
    std::vector<COrdersRefusal> refused;
    /// "Movement orders for Spring of 1902. (kestrel.005)"
    std::string statusTitle;
    /// The power's orders as the Judge now holds them, one line per unit or
    /// adjustment, verbatim ("Austria: Army Vienna HOLD.", "Russia:      Builds
    /// an army in Moscow.", "England: Army Norway, No Order Processed.").
    std::vector<std::string> listing;
    /// The units the Judge has no order for ("Army Norway").
    std::vector<std::string> noOrders;
    /// Adjustments still open ("1 build pending.", "Defaults, removing the army in Armenia.").
    std::vector<std::string> pending;
    /// The Judge's "N errors encountered." count: its message lines, not the refused lines.
    int errorCount = 0;
    /// "Error flag set." (or "[Error Flag]" in the subject, where older Judges
    /// say it): the orders do not count as in on time until error-free ones come.
    bool errorFlag = false;
    /// "Since you have no moves due, the error flag is not set."
    bool nothingDue = false;
};

/// Reads the Judge's orders-status reply: the header (":: Judge:",
/// ":: Deadline:"), or the subject ("Re: [Error Flag] XXXX:kestrel - S1902M")
/// when the text has none; the refused lines and their messages (also a
/// message the Judge ran into the status title); the status title and the
/// listing after it; the error count and flag. nullopt when the text is no
/// orders-status reply (no status title, or a results mail, whose title
/// reads alike in older Judges).
std::optional<COrdersStatus> ReadOrdersStatus(std::string_view text, std::string_view subject = {});

/// A listing line without its power and padding, runs of spaces made one:
/// "France:                   Army  Burgundy -> Belgium." gives
/// "Army Burgundy -> Belgium.".
std::string StatusLineText(std::string_view line);

/// Why a status reply is not about the game: another Judge or another game
/// (names compared without regard to case, as the subject writes the game in
/// lower case). Empty when it is about the game, or the game has no Judge
/// mail yet to tell.
std::string ReplyForAnotherGame(const CKestraneDoc& doc, const COrdersStatus& status);

/// Names compared as the Judge compares them: without regard to case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
