#pragma once

#include <QString>

/// The user guide's index page: docs/index.html of the source tree when the
/// program runs from a build, else the installed share/kestrane/docs; empty
/// when neither exists.
QString UserGuidePath();

/// Opens the user guide in the desktop's browser; false when it cannot.
bool OpenUserGuide();
