#pragma once

#include "judge/ReportBatch.h"
#include "model/PhaseDue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CKestraneDoc;

/// What recording the phase due after an import did.
struct CPhaseDueRecord {
    /// The phase due the imported mails announce for the game's latest
    /// season; nullopt when none of them does (nothing was recorded).
    std::optional<CPhaseDue> due;
    /// The state file was written.
    bool written = false;
    /// Drafted orders of a phase no longer due were kept as earlier drafts.
    bool draftsOutdated = false;
    /// The state file could not be written.
    bool failed = false;
    /// For the user when not empty: the state file was damaged (and moved
    /// aside) or could not be written.
    std::string message;
};

/// After an import into doc (saved at doc's path), keeps the phase due and
/// its deadline in the game's orders state file stateFile: from the mail
/// among importedTexts (each split into its reports as the batch import
/// splits it; a history reply into its entries) that is of this Judge and
/// game, is filed under the game's latest season and announces the next
/// phase. A mail of an older season announces a phase that is over and is
/// passed over, whatever the order of the import. A new phase (or a newer
/// latest season) drops the sent mail and the verdict and keeps the drafts
/// as earlier drafts, no longer mailed; the same phase keeps them all and
/// takes the deadline as announced. The one call for
/// every import path: the file import, Import from Clipboard, Import
/// Mailbox, Fetch from Mailbox and kestrane-cli's import and fetch.
CPhaseDueRecord RecordPhaseDue(const std::string& stateFile, const CKestraneDoc& doc,
                               const std::vector<CReportText>& importedTexts);

/// The same for one imported text (a report file, the clipboard).
CPhaseDueRecord RecordPhaseDue(const std::string& stateFile, const CKestraneDoc& doc, std::string_view importedText);
