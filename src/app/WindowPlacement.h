#pragma once

class QWidget;

/// Sizes and places a new top-level window (a chart, the help, a dialog)
/// before it is first shown: no larger than the available area of the
/// screen its owner is on, centred over the owner (or that screen), and
/// moved inside the area where it would stick out. A window already shown
/// keeps the place the user gave it.
void PlaceInsideScreen(QWidget& window, const QWidget* owner);

/// Widens window so that the window manager has room for its whole title
/// beside its frame buttons.
void KeepTitleWhole(QWidget& window);
