#pragma once

#include "judge/ReportPiece.h"

#include <string>
#include <vector>

/// Whether text is the Judge's reply to a "history" request: a Judge header
/// line, then a line beginning "History information for game '".
bool IsHistoryReply(const std::string& text);

/// The entries of a history reply, each made the report its own mail was,
/// in the order the reply lists them.
///
/// The reply has one Judge header for the whole game (its deadline names the
/// game's current phase), then one entry per archived mail, each beginning
/// with a "Date:" and a "Subject:" line, and no header of its own. An entry
/// becomes a Judge header with the reply's Judge, game and variant (a reply
/// whose header names no game takes it from the subjects, "XXXX:kestrel - "),
/// a deadline line with the phase of its subject (or, failing that, of its
/// section title) and the deadline the entries before it announced ("The
/// deadline for orders will be ..."), then the entry's own lines. The
/// game-start entry carries the deadline it announces itself. Entries with
/// no phase (notices) keep the header and an empty deadline line.
std::vector<CReportPiece> SplitHistoryReply(const std::string& text);
