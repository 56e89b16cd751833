#pragma once

#include "AppFixture.h"
#include "support/KestrelGame.h"

#include <QString>

#include <cstddef>
#include <limits>

class CKestraneDoc;

/// The sample game made at build time from data/samples (the first year of
/// the game kestrel on the standard board), and the settings that let the
/// program find its board in the source tree's data folder.
QString SampleGamePath();
/// Presets for CAppFixture: the installation folder is the source tree's
/// data folder; initials and supply centres as given (0 or 1).
CAppFixture::Presets SampleSettings(int initials, int centres);
/// Opens the sample game in app as File Open does; nullptr when it is not
/// there or would not open.
CKestraneDoc* OpenSampleGame(CAppFixture& app);

/// The name of the season on show ("F1902R"); empty without one.
QString Current(const CKestraneDoc& doc);

/// A started program with the first count mails of the whole real game
/// kestrel imported through the menu into a new standard game (doc is
/// nullptr when that failed). Test functions bind its parts by name:
/// `auto& [app, doc] = opened;`.
struct CKestrelSession {
    explicit CKestrelSession(const CAppFixture::Presets& presets = {},
                             size_t count = std::numeric_limits<size_t>::max());
    CAppFixture app;
    CKestraneDoc* doc;

    /// File Save As into the test folder as name; false when it did not save.
    bool SaveAs(const QString& name);
};

/// Skips the test function when the real games are not beside the repository.
#define SKIP_WITHOUT_KESTREL()                                                                                         \
    do {                                                                                                               \
        if (!kestrel::Available())                                                                                     \
            QSKIP("no judge-games folder beside the repository");                                                      \
    } while (false)
