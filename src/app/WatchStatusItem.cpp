#include "app/WatchStatusItem.h"

#include <QMenu>

CWatchStatusItem::CWatchStatusItem(QWidget* parent) : QToolButton(parent), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("WatchStatus"));
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(m_menu);
    // Once the player has opened the list, the notice's words have been seen.
    connect(m_menu, &QMenu::aboutToShow, this, [this] { SetAttention({}); });
    hide();
}

void CWatchStatusItem::SetGames(const std::vector<CWatchLine>& games)
{
    m_games = games;
    Refresh();
}

void CWatchStatusItem::SetAttention(const QString& words)
{
    m_attention = words;
    Refresh();
}

void CWatchStatusItem::Refresh()
{
    setVisible(!m_games.empty());
    m_menu->clear();
    QStringList tips;
    for (const CWatchLine& game : m_games) {
        tips << game.full;
        QAction* action = m_menu->addAction(game.full);
        const QString path = game.path;
        connect(action, &QAction::triggered, this, [this, path] { emit gameChosen(path); });
    }
    QString text = m_games.size() == 1 ? m_games.front().brief
                                       : QStringLiteral("Watching %1 games").arg(qsizetype(m_games.size()));
    if (!m_attention.isEmpty())
        text = m_attention;
    setText(text);
    setToolTip(tips.join(QLatin1Char('\n')));
}
