#pragma once

#include "model/PhaseDue.h"

#include <QString>
#include <QToolButton>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class QMenu;

/// One watched game as the status bar lists it.
struct CWatchLine {
    QString path;  ///< the game file, which names the game to the watchers
    QString brief; ///< "kestrel: Spring 1904, 2 days 5 h left"
    QString full;  ///< the phase due with the deadline in UTC and here, and how the watch stands
};

/// The line of the game file path, known at the Judge as game, whose phase
/// due is due (nullopt: none known yet) and whose watch stands as state, at
/// now; the deadline also in the player's own time.
CWatchLine WatchLine(const std::string& path, const std::string& game, const std::optional<CPhaseDue>& due,
                     const QString& state, std::chrono::sys_seconds now);

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
