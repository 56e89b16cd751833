#pragma once

#include <QObject>
#include <QString>

class CAppContext;
class QWidget;

/// What every group of the main window's commands shares: the context the
/// commands work in, the window their dialogs belong to, and notice() for
/// a word in the status bar. Each command takes the game it acts on.
class CCommandGroup : public QObject {
    Q_OBJECT
public:
    CCommandGroup(CAppContext& context, QWidget& window) : m_context(context), m_window(window) {}

signals:
    /// Text for the status bar, shown for a few seconds.
    void notice(const QString& text);

protected:
    CAppContext& m_context;
    QWidget& m_window;
};
