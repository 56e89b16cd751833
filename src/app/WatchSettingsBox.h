#pragma once

#include "mailaccess/WatchSettings.h"

#include <QGroupBox>

#include <string>

class QCheckBox;
class QLineEdit;
class QSpinBox;

/// "Watch this game" in Mailbox Settings: checked to keep watch over the
/// game's folder while the program runs, with IDLE or a polling period of
/// at least two minutes, and the reminder lead times in hours.
class CWatchSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CWatchSettingsBox(QWidget* parent = nullptr);

    void SetSettings(const CWatchSettings& settings);
    /// The settings as entered; the leads as stored when they do not read.
    CWatchSettings Settings() const;
    /// Why the entries cannot be kept (the reminder hours); empty when they can.
    std::string Problem() const;

    QCheckBox* IdleCheck() const { return m_pIdle; }
    QSpinBox* PollBox() const { return m_pPoll; }
    QLineEdit* LeadsEdit() const { return m_pLeads; }

private:
    QCheckBox* m_pIdle;
    QSpinBox* m_pPoll;
    QLineEdit* m_pLeads;
    CWatchSettings m_settings;
};
