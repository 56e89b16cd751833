#pragma once

class QMenu;
class QAction;

/// Takes item out of menu; when the items just above and just below it were
/// both separators (a missing neighbour counting as one), one of them goes
/// too: the one above when there was an item above, else the one below.
void RemoveMenuItem(QMenu& menu, QAction* item);
