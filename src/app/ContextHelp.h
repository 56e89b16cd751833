#pragma once

#include <QObject>
#include <QString>

class QMainWindow;

/// Context help (Shift+F1 and the toolbar's help button): the pointer turns
/// into a question mark, and the next command chosen (menu item, button or
/// key) is not run: its status-bar prompt is shown instead, in a help bubble
/// at the pointer and in the status bar. A click on a pane shows what that
/// pane holds; Escape or a click elsewhere ends the mode without help.
/// What it has to say for the status bar goes out through notice().
class CContextHelp : public QObject {
    Q_OBJECT
public:
    explicit CContextHelp(QMainWindow& window);
    ~CContextHelp() override;

    void Enter();
    void Leave();
    bool IsActive() const { return m_bActive; }
    /// Shows text as the help asked for and ends the mode.
    void Answer(const QString& text);
    /// The help shown last, for the status bar's sake and for tests.
    const QString& LastAnswer() const { return m_strLastAnswer; }

signals:
    /// Text for the status bar (empty: the help ended without an answer).
    void notice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& m_window;
    bool m_bActive = false;
    QString m_strLastAnswer;
};
