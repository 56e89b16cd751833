#pragma once

#include <QStringList>
#include <QtGlobal>

/// Catches every warning, critical and fatal message Qt reports while it
/// lives (its message handler replaces the one before, which it restores),
/// so a test can fail on any of them. Debug and info messages pass on, as do
/// the offscreen platform's notes that it cannot do what a display does.
class CWarningCatcher {
public:
    Q_DISABLE_COPY(CWarningCatcher)
    CWarningCatcher();
    ~CWarningCatcher();

    /// The messages caught so far, oldest first.
    QStringList Warnings() const;

private:
    QtMessageHandler m_previous;
};
