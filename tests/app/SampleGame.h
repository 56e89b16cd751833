#pragma once

#include "AppFixture.h"

#include <QString>

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
