#include "app/WatchStatusItem.h"

#include "app/DueTextHere.h"
#include "app/TextConv.h"
#include "views/OrdersDueText.h"
#include "watch/PhaseWords.h"

#include <QFileInfo>
#include <QMenu>

using namespace std::chrono;

CWatchLine WatchLine(const std::string& path, const std::string& game, const std::optional<CPhaseDue>& due,
                     const QString& state, sys_seconds now)
{
    CWatchLine line;
    line.path = QString::fromStdString(path);
    const QString name = FromDocText(game);
    QString dueText = QStringLiteral("no phase due is known yet");
    line.brief = name + QStringLiteral(": ") + dueText;
    if (due) {
        dueText = DueTextHere(*due, now);
        QString left = FromDocText(due->deadline);
        if (due->deadlineTime)
            left = *due->deadlineTime > now ? FromDocText(SpanInWords(*due->deadlineTime - now)) + QStringLiteral(" left")
                                            : QStringLiteral("deadline passed");
        line.brief = name + QStringLiteral(": ") + FromDocText(PhaseInWords(due->phase)) + QStringLiteral(", ") + left;
    }
    line.full = QFileInfo(line.path).fileName() + QStringLiteral(": ") + dueText + QStringLiteral(" (") + state +
                QStringLiteral(")");
    return line;
}

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
