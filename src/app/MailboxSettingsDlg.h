#pragma once

#include "mailaccess/MailAccount.h"
#include "mailaccess/OutgoingAccount.h"

#include <QDialog>

class CWatchSettingsBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

/// "Mailbox Settings": the IMAP mailbox a game's Judge mail is fetched
/// from, and the SMTP server the orders go out through. The accounts are
/// kept per game file in the settings; the passwords go to the keyring, so
/// the dialog only hands them over.
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

    /// The outgoing account as stored (or defaults), its password as the
    /// keyring holds it, and the Judge's address the game's mail came from,
    /// offered when the account names none.
    void SetOutgoing(const COutgoingAccount& account, const QString& password, const std::string& learntJudge);
    /// The outgoing account as entered; with "same account" its user is
    /// the incoming one's.
    COutgoingAccount Outgoing() const;
    /// The outgoing password; empty with "same account" (the incoming one serves).
    QString OutgoingPassword() const;
    /// Whether any outgoing field was filled in (a game need not send).
    bool SendsMail() const;

    QLineEdit* ServerEdit() const { return m_pServer; }
    QSpinBox* PortBox() const { return m_pPort; }
    QComboBox* SecurityBox() const { return m_pSecurity; }
    QLineEdit* UserEdit() const { return m_pUser; }
    QLineEdit* PasswordEdit() const { return m_pPassword; }
    QLineEdit* FolderEdit() const { return m_pFolder; }
    QLineEdit* FilterEdit() const { return m_pFilter; }
    /// Watch this game: filled and read by the caller.
    CWatchSettingsBox* WatchBox() const { return m_pWatch; }
    QLineEdit* SmtpServerEdit() const { return m_pSmtpServer; }
    QSpinBox* SmtpPortBox() const { return m_pSmtpPort; }
    QComboBox* SmtpSecurityBox() const { return m_pSmtpSecurity; }
    QCheckBox* SameAccountBox() const { return m_pSameAccount; }
    QLineEdit* SmtpUserEdit() const { return m_pSmtpUser; }
    QLineEdit* SmtpPasswordEdit() const { return m_pSmtpPassword; }
    QLineEdit* FromEdit() const { return m_pFrom; }
    QLineEdit* JudgeEdit() const { return m_pJudge; }

    void accept() override;

private:
    void OnSecurityChanged();
    void OnSmtpSecurityChanged();
    QWidget* OutgoingGroup();

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
    MailSecurity m_lastSmtpSecurity = MailSecurity::StartTls;
    QLineEdit* m_pSmtpServer;
    QSpinBox* m_pSmtpPort;
    QComboBox* m_pSmtpSecurity;
    QCheckBox* m_pSameAccount;
    QLineEdit* m_pSmtpUser;
    QLineEdit* m_pSmtpPassword;
    QLineEdit* m_pFrom;
    QLineEdit* m_pJudge;
    QLabel* m_pProblem;
};
