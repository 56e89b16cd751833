#pragma once

#include <QString>
#include <QStringList>

/// The places the user guide's index page is looked for, in order: the
/// installed share/kestrane/docs, the same folder beside the program's own
/// installation (a moved installation), and docs/ of the source tree for a
/// program run from its build folder.
QStringList UserGuideCandidates();

/// The first of UserGuideCandidates that exists; empty when none does.
QString UserGuidePath();

/// The message shown when no guide is found, naming every place looked in.
QString MissingGuideMessage();
