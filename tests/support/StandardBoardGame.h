#pragma once

#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"

/// A game on the standard board as the report parsers see it (importboard),
/// its messages recorded: the set-up of the parser and import tests.
struct CStandardBoardGame {
    CStandardBoardGame() { importboard::FillStandardBoard(doc); }

    CRecordingServices services;
    CKestraneDoc doc{services};
};
