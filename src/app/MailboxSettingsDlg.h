#pragma once

#include "mailaccess/MailAccount.h"

#include <QDialog>

class CWatchSettingsBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

/// "Mailbox Settings": the IMAP mailbox a game's Judge mail is fetched
/// from. The account is kept per game file in the settings; the password
/// goes to the keyring, so the dialog only hands it over.
class CMailboxSettingsDlg : public QDialog {
    Q_OBJECT
public:
    /// account: as stored for the game (or defaults); defaultFilter: the
    /// filter derived from the game's Judge and name; password: as the
    /// keyring holds it (empty for none).
    CMailboxSettingsDlg(const CMailAccount& account, const std::string& defaultFilter, const QString& password,
                        QWidget* parent = nullptr);

    /// The account as entered; an empty filter stands for the default.
    CMailAccount Account() const;
    QString Password() const;

    QLineEdit* ServerEdit() const { return m_pServer; }
    QSpinBox* PortBox() const { return m_pPort; }
    QComboBox* SecurityBox() const { return m_pSecurity; }
    QLineEdit* UserEdit() const { return m_pUser; }
    QLineEdit* PasswordEdit() const { return m_pPassword; }
    QLineEdit* FolderEdit() const { return m_pFolder; }
    QLineEdit* FilterEdit() const { return m_pFilter; }
    /// Watch this game: filled and read by the caller.
    CWatchSettingsBox* WatchBox() const { return m_pWatch; }

    void accept() override;

private:
    void OnSecurityChanged();

    std::string m_strDefaultFilter;
    MailSecurity m_lastSecurity;
    QLineEdit* m_pServer;
    QSpinBox* m_pPort;
    QComboBox* m_pSecurity;
    QLineEdit* m_pUser;
    QLineEdit* m_pPassword;
    QLineEdit* m_pFolder;
    QLineEdit* m_pFilter;
    CWatchSettingsBox* m_pWatch;
    QLabel* m_pProblem;
};
