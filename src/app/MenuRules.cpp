#include "app/MenuRules.h"

#include <QAction>
#include <QMenu>

void RemoveMenuItem(QMenu& menu, QAction* item)
{
    const QList<QAction*> items = menu.actions();
    const qsizetype index = items.indexOf(item);
    if (index < 0)
        return;
    QAction* above = index > 0 ? items[index - 1] : nullptr;
    QAction* below = index + 1 < items.size() ? items[index + 1] : nullptr;
    const bool aboveIsSeparator = !above || above->isSeparator();
    const bool belowIsSeparator = !below || below->isSeparator();
    menu.removeAction(item);
    if (aboveIsSeparator && belowIsSeparator) {
        if (above)
            menu.removeAction(above);
        else if (below)
            menu.removeAction(below);
    }
}
