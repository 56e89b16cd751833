#pragma once

#include <QString>
#include <QToolButton>

#include <vector>

class QMenu;

/// One watched game as the status bar lists it.
struct CWatchLine {
    QString path;  ///< the game file, which names the game to the watchers
    QString brief; ///< "kestrel: Spring 1904, 2 days 5 h left"
    QString full;  ///< the phase due with the deadline in UTC and here, and how the watch stands
};

/// The status bar's item for the watched games: the one game's phase due and
/// time left, or how many are watched; its tooltip and its menu list each
/// with the deadline in the player's own time, and choosing one brings that
/// game forward. Hidden while no game is watched.
class CWatchStatusItem : public QToolButton {
    Q_OBJECT
public:
    explicit CWatchStatusItem(QWidget* parent = nullptr);

    void SetGames(const std::vector<CWatchLine>& games);
    /// Words to carry until the player looks (a notice no desktop service
    /// took); empty to clear.
    void SetAttention(const QString& words);
    QMenu* GamesMenu() const { return m_menu; }

signals:
    /// The player chose the game file path from the list.
    void gameChosen(const QString& path);

private:
    void Refresh();

    QMenu* m_menu;
    std::vector<CWatchLine> m_games;
    QString m_attention;
};
