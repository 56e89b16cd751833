#pragma once

#include "model/PhaseDue.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CKestraneDoc;

/// What the player has in hand for the phase a game waits for: the phase
/// due and its deadline, the drafted orders, the orders mail as sent and
/// the Judge's verdict on it. Kept in a small file of its own beside the
/// settings (OrdersStateFile.h), never in the game file.
struct CGameOrdersState {
    /// The game file this belongs to, as an absolute path (for people
    /// looking at the file; the file's name is what finds it).
    std::string game;
    /// The game's latest season when the state was made: the state is about
    /// the phase after it, and belongs to no other position of the game.
    std::string after;
    /// The phase due, as the result mail of `after` announced it.
    std::optional<CPhaseDue> due;
    /// The drafted order lines, as the player typed them or the map made them.
    std::vector<std::string> drafts;
    /// The orders mail as it was sent, line by line, and when.
    std::vector<std::string> sentMail;
    std::optional<std::chrono::sys_seconds> sentAt;
    /// The Judge's verdict on the sent orders, the lines of its orders-status
    /// reply as they were read.
    std::vector<std::string> verdict;
    /// Drafts kept from a phase that is no longer due, and the phase they
    /// were for ("S1904M"; the season they followed when no phase was known):
    /// shown to the player as orders for an earlier phase, never mailed.
    std::vector<std::string> earlierDrafts;
    std::string earlierPhase;
    /// Entries of a later version of the file, written back as they were.
    std::vector<std::string> other;
    /// The address the game's Judge mails come from, the To of the orders
    /// mail unless the outgoing account names another; kept over phases.
    std::string judgeAddress = {};

    friend bool operator==(const CGameOrdersState&, const CGameOrdersState&) = default;

    /// True when the state belongs to the game as it is: made after the
    /// season that is now the game's latest. Once a newer season is filed
    /// (or the latest removed), the drafts are for a phase that is gone.
    bool IsCurrentFor(const CKestraneDoc& doc) const;

    /// Makes this the state of phase `phase` after season `latest`. Another
    /// season or another phase starts over (MoveOnTo); the same phase only
    /// takes the new deadline. Returns whether anything changed.
    bool SetPhaseDue(const std::string& latest, const CPhaseDue& phase);

    /// Makes this the state after season `latest`, of no known phase yet:
    /// the drafts, when there are any, become the earlier drafts (marked
    /// with the phase they were for); the sent mail and the verdict go.
    void MoveOnTo(const std::string& latest);
    /// Keeps the orders mail as it went out and when; the verdict on an
    /// earlier mail no longer applies and is dropped.
    void RecordSent(std::string_view mail, std::chrono::sys_seconds when);

    /// The order lines of the mail sent (OrderLinesOfMail).
    std::vector<std::string> SentOrders() const;
};

/// The lines of an orders mail that carry orders: every line but blank ones
/// and the "signon" and "signoff" lines around them (in any case, after any
/// blanks); a carriage return before a line end is dropped.
std::vector<std::string> OrderLinesOfMail(std::string_view text);

/// The state as its file holds it: a first line naming the file, then one
/// entry per line, a keyword, a blank and the value (document bytes; "%",
/// CR and LF written as %25, %0D, %0A):
///
///   # Kestrane orders state
///   game /home/me/kestrel.kes
///   after F1903B
///   judge judge@example.org
///   due S1904M
///   words Movement for Spring of 1904
///   deadline Thu Jan 29 2004 23:30:00 +0000
///   draft A Vienna - Trieste
///   sent 2004-01-28T14:02:00Z
///   mail signon Akestrel secret
///   verdict Austria: Army Vienna -> Trieste.
std::string WriteOrdersState(const CGameOrdersState& state);

/// Reads the text WriteOrdersState makes; nullopt with problem ("line 4: ...")
/// for a text that is not one. Blank lines and lines beginning with "#" after
/// the first are passed over; an entry with an unknown lower-case keyword is
/// kept in `other`.
std::optional<CGameOrdersState> ReadOrdersState(std::string_view text, std::string& problem);
