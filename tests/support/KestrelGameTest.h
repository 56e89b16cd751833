#pragma once

#include "support/KestrelGame.h"

#include <gtest/gtest.h>

/// A test of the real game "kestrel": before each test the whole game is
/// imported into a new game on the bundled standard board, a season for every
/// mail and not a message said. Skipped when the game is not beside the
/// repository.
class CKestrelGameTest : public ::testing::Test {
protected:
    void SetUp() override;

    kestrel::CImportedGame game;
    CKestraneDoc& doc = game.doc;
};
