#pragma once

#include "model/SeasonIndex.h"

#include <QDockWidget>

#include <vector>

class CKestraneDoc;
class QTreeWidget;
class QTreeWidgetItem;

/// The seasons list beside the game windows: every season of the active
/// game in game order, written out in words, with its deadline. A click or
/// Enter on a season asks for it to be shown; the list itself changes
/// nothing in the game.
class CSeasonsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CSeasonsPanel(QWidget* parent = nullptr);

    /// Lists the seasons of doc (nullptr: none) and marks the one on show.
    /// The rows are rebuilt only when the seasons changed, so the list keeps
    /// its scroll position while the user steps through the game.
    void ShowGame(const CKestraneDoc* doc);

    QTreeWidget* List() const { return m_pList; }
    /// The width that shows "Winter 1903 Adjustments" and a full deadline.
    int PreferredWidth() const;
    /// The rows as listed, for the window and its tests alike.
    const std::vector<CSeasonIndexEntry>& Entries() const { return m_entries; }

signals:
    /// The user picked the season named name (the season's own bytes).
    void seasonChosen(const QByteArray& name);
    /// The user closed the panel with its own close button.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Choose(QTreeWidgetItem* item);

    QTreeWidget* m_pList = nullptr;
    std::vector<CSeasonIndexEntry> m_entries;
    bool m_bFilling = false;
};
