#pragma once

#include "model/MapPos.h"
#include "model/PhaseDue.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

namespace orders {
class OrdersDesk;
}
class CAppContext;
class CKestraneDoc;
class QLabel;
class QPlainTextEdit;
class QTimer;

/// The Orders mode of one game window: the pane beside the map with the
/// phase due and its deadline, the drafted orders as lines the player can
/// type or paste, and the Judge's verdict on each; and what a click on the
/// map does (the desk in the core decides). The drafts are kept in the
/// game's orders state at each change, so the orders mail and the command
/// line see them.
class COrdersPane : public QWidget {
    Q_OBJECT
public:
    COrdersPane(CKestraneDoc& doc, CAppContext& context, QWidget* parent = nullptr);
    ~COrdersPane() override;

    /// Why the mode cannot be used for the game as it is now; empty when it can.
    QString Unavailable();
    bool IsOn() const { return m_bOn; }
    /// On: the latest season is shown, the drafts read back and the pane
    /// shown; off: the pane hides and the map draws no drafts.
    void SetOn(bool on);
    /// The desk while the mode is on and usable; null otherwise.
    orders::OrdersDesk* Desk() const { return m_desk.get(); }
    /// The mode works on the latest season only.
    bool ShowsLatest() const;

    /// A left click at point of the board picture.
    void ClickAt(MapPos point);
    /// The menu of a right click at point, opened at globalPos.
    void MenuAt(MapPos point, QPoint globalPos);

    /// A newer season, another country or board: the desk is made again.
    void OnDocumentUpdate();

    QPlainTextEdit* Editor() const { return m_editor; }
    QPlainTextEdit* VerdictView() const { return m_verdict; }
    /// The orders mail's fate ("Sent 14:02, waiting for the Judge") and the
    /// Judge's verdict on each line sent, read again from the orders state.
    void ShowJudgeAnswer();
    QLabel* SentLabel() const { return m_sent; }
    QPlainTextEdit* JudgeView() const { return m_judge; }
    QString DueText() const;

signals:
    /// The drafts or the lit places changed: the map redraws.
    void changed();

private:
    /// What the desk depends on: board, country, seasons, installation.
    std::string GameKey() const;
    void Reopen();
    void ShowDrafts();
    void ShowVerdict();
    void SaveDrafts();
    void OnEdited();

    CKestraneDoc& m_doc;
    CAppContext& m_context;
    bool m_bOn = false;
    std::unique_ptr<orders::OrdersDesk> m_desk;
    std::string m_why;
    std::optional<CPhaseDue> m_phaseDue;
    // Unavailable()'s answer and what it was worked out for.
    std::string m_availableKey;
    // GameKey() when the desk was made.
    std::string m_openKey;
    QString m_unavailable;
    bool m_bShowing = false;

    QLabel* m_heading = nullptr;
    QLabel* m_due = nullptr;
    QLabel* m_prompt = nullptr;
    QPlainTextEdit* m_editor = nullptr;
    QPlainTextEdit* m_verdict = nullptr;
    QLabel* m_sent = nullptr;
    QPlainTextEdit* m_judge = nullptr;
    /// The last problem met reading the orders state, told once.
    std::string m_stateProblem;
    QTimer* m_clock = nullptr;
};
