#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

/// The status bar's "CAP", "NUM" and "SCRL" panes, which show their text
/// while the lock is on and stay blank while it is off.
class CLockIndicators : public QObject {
    Q_OBJECT
public:
    struct State {
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };

    explicit CLockIndicators(QStatusBar& bar);

    /// Shows state in the three panes.
    void Show(const State& state);
    /// The keyboard's lock state as the display reports it; all off when it
    /// cannot be asked.
    static State Read();

    QLabel* Caps() const { return m_caps; }
    QLabel* Num() const { return m_num; }
    QLabel* Scroll() const { return m_scroll; }

private:
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
};
