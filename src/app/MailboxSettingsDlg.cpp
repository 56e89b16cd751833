#include "app/MailboxSettingsDlg.h"

#include "app/WatchSettingsBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <span>

namespace {

// The security choices in the order the box lists them.
constexpr MailSecurity kSecurities[] = {MailSecurity::ImplicitTls, MailSecurity::StartTls, MailSecurity::Plain};
// The outgoing server's, STARTTLS on the submission port first: what
// providers name for sending.
constexpr MailSecurity kSmtpSecurities[] = {MailSecurity::StartTls, MailSecurity::ImplicitTls, MailSecurity::Plain};

int SecurityIndex(MailSecurity security, const MailSecurity (&list)[3] = kSecurities)
{
    for (int i = 0; i < 3; ++i)
        if (list[i] == security)
            return i;
    return 0;
}

std::string Trimmed(const QLineEdit* edit)
{
    return edit->text().trimmed().toStdString();
}

} // namespace

CMailboxSettingsDlg::CMailboxSettingsDlg(const CMailAccount& account, const std::string& defaultFilter,
                                         const QString& password, QWidget* parent)
    : QDialog(parent), m_strDefaultFilter(defaultFilter), m_lastSecurity(account.m_security),
      m_pServer(new QLineEdit(this)), m_pPort(new QSpinBox(this)), m_pSecurity(new QComboBox(this)),
      m_pUser(new QLineEdit(this)), m_pPassword(new QLineEdit(this)), m_pFolder(new QLineEdit(this)),
      m_pFilter(new QLineEdit(this)), m_pWatch(new CWatchSettingsBox(this)), m_pSmtpServer(new QLineEdit(this)),
      m_pSmtpPort(new QSpinBox(this)), m_pSmtpSecurity(new QComboBox(this)), m_pSameAccount(new QCheckBox(this)),
      m_pSmtpUser(new QLineEdit(this)), m_pSmtpPassword(new QLineEdit(this)), m_pFrom(new QLineEdit(this)),
      m_pJudge(new QLineEdit(this)), m_pProblem(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Mailbox Settings"));
    m_pServer->setObjectName(QStringLiteral("Server"));
    m_pPort->setObjectName(QStringLiteral("Port"));
    m_pSecurity->setObjectName(QStringLiteral("Security"));
    m_pUser->setObjectName(QStringLiteral("User"));
    m_pPassword->setObjectName(QStringLiteral("Password"));
    m_pFolder->setObjectName(QStringLiteral("Folder"));
    m_pFilter->setObjectName(QStringLiteral("Filter"));

    m_pServer->setPlaceholderText(QStringLiteral("imap.example.org"));
    m_pPort->setRange(1, 65535);
    m_pSecurity->addItem(QStringLiteral("TLS (port 993)"));
    m_pSecurity->addItem(QStringLiteral("STARTTLS (port 143)"));
    m_pSecurity->addItem(QStringLiteral("None (a server on this computer only)"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setToolTip(QStringLiteral("Kept in the desktop keyring, never in a settings file"));
    m_pFilter->setPlaceholderText(QString::fromStdString(defaultFilter));
    m_pFilter->setToolTip(QStringLiteral("IMAP search keys; empty for the default: this game's Judge mail"));
    m_pFilter->setMinimumWidth(fontMetrics().horizontalAdvance(QString::fromStdString(defaultFilter)) + 40);
    m_pProblem->setObjectName(QStringLiteral("Problem"));
    m_pProblem->setWordWrap(true);
    m_pProblem->setStyleSheet(QStringLiteral("color: #a00000"));
    m_pProblem->hide();

    m_pServer->setText(QString::fromStdString(account.m_strServer));
    m_pSecurity->setCurrentIndex(SecurityIndex(account.m_security));
    m_pPort->setValue(account.m_nPort);
    m_pUser->setText(QString::fromStdString(account.m_strUser));
    m_pPassword->setText(password);
    m_pFolder->setText(QString::fromStdString(account.m_strFolder));
    // The default is shown as the placeholder, so a later change of the
    // game's name or Judge keeps it right.
    if (account.m_strFilter != defaultFilter)
        m_pFilter->setText(QString::fromStdString(account.m_strFilter));

    auto* defaultButton = new QPushButton(QStringLiteral("&Default"), this);
    defaultButton->setObjectName(QStringLiteral("DefaultFilter"));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_pFilter, 1);
    filterRow->addWidget(defaultButton);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Server:"), m_pServer);
    form->addRow(QStringLiteral("S&ecurity:"), m_pSecurity);
    form->addRow(QStringLiteral("&Port:"), m_pPort);
    form->addRow(QStringLiteral("&User name:"), m_pUser);
    form->addRow(QStringLiteral("Pass&word:"), m_pPassword);
    form->addRow(QStringLiteral("&Folder:"), m_pFolder);
    // A row holding a layout gets no buddy of its own: the label is given one,
    // so its shortcut letter works and shows underlined.
    auto* filterLabel = new QLabel(QStringLiteral("F&ilter:"), this);
    filterLabel->setBuddy(m_pFilter);
    form->addRow(filterLabel, filterRow);

    auto* incoming = new QGroupBox(QStringLiteral("Incoming: the Judge's mail"), this);
    incoming->setLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    // Receiving on the left with its watch, sending on the right: the
    // dialog stays short enough for a laptop screen.
    auto* left = new QVBoxLayout;
    left->addWidget(incoming);
    left->addWidget(m_pWatch);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(OutgoingGroup(), 0, Qt::AlignTop);
    layout->addLayout(columns);
    layout->addWidget(m_pProblem);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CMailboxSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaultButton, &QPushButton::clicked, m_pFilter, &QLineEdit::clear);
    connect(m_pSecurity, &QComboBox::currentIndexChanged, this, &CMailboxSettingsDlg::OnSecurityChanged);
    // Tab follows the rows as shown, not the order the fields were made in:
    // the incoming rows, the watch box, then the outgoing rows.
    const QWidget* const incomingChain[] = {m_pServer,   m_pSecurity, m_pPort,   m_pUser,
                                            m_pPassword, m_pFolder,   m_pFilter, defaultButton};
    const QWidget* const outgoingChain[] = {m_pSmtpServer, m_pSmtpSecurity, m_pSmtpPort, m_pSameAccount,
                                            m_pSmtpUser,   m_pSmtpPassword, m_pFrom,     m_pJudge};
    for (const auto& chain : {std::span(incomingChain), std::span(outgoingChain)})
        for (size_t i = 0; i + 1 < chain.size(); ++i)
            setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
    m_pServer->setFocus();
}

QWidget* CMailboxSettingsDlg::OutgoingGroup()
{
    m_pSmtpServer->setObjectName(QStringLiteral("SmtpServer"));
    m_pSmtpPort->setObjectName(QStringLiteral("SmtpPort"));
    m_pSmtpSecurity->setObjectName(QStringLiteral("SmtpSecurity"));
    m_pSameAccount->setObjectName(QStringLiteral("SameAccount"));
    m_pSmtpUser->setObjectName(QStringLiteral("SmtpUser"));
    m_pSmtpPassword->setObjectName(QStringLiteral("SmtpPassword"));
    m_pFrom->setObjectName(QStringLiteral("From"));
    m_pJudge->setObjectName(QStringLiteral("Judge"));

    m_pSmtpServer->setPlaceholderText(QStringLiteral("smtp.example.org"));
    m_pSmtpPort->setRange(1, 65535);
    m_pSmtpPort->setValue(COutgoingAccount::DefaultPort(MailSecurity::StartTls));
    m_pSmtpSecurity->addItem(QStringLiteral("STARTTLS (port 587)"));
    m_pSmtpSecurity->addItem(QStringLiteral("TLS (port 465)"));
    m_pSmtpSecurity->addItem(QStringLiteral("None (a server on this computer only)"));
    m_pSameAccount->setText(QStringLiteral("Same &account as incoming (its user name and password)"));
    m_pSmtpPassword->setEchoMode(QLineEdit::Password);
    m_pSmtpPassword->setToolTip(QStringLiteral("Kept in the desktop keyring, never in a settings file"));
    m_pFrom->setPlaceholderText(QStringLiteral("player@example.org"));
    m_pJudge->setPlaceholderText(QStringLiteral("judge@example.org"));
    m_pJudge->setToolTip(QStringLiteral("Filled in from the game's Judge mail once one is imported"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("SM&TP server:"), m_pSmtpServer);
    form->addRow(QStringLiteral("Securit&y:"), m_pSmtpSecurity);
    form->addRow(QStringLiteral("Port num&ber:"), m_pSmtpPort);
    form->addRow(QString(), m_pSameAccount);
    form->addRow(QStringLiteral("User &name:"), m_pSmtpUser);
    form->addRow(QStringLiteral("Sendin&g password:"), m_pSmtpPassword);
    form->addRow(QStringLiteral("Your address (Fro&m):"), m_pFrom);
    form->addRow(QStringLiteral("&Judge's address:"), m_pJudge);
    auto* group = new QGroupBox(QStringLiteral("Outgoing: your orders to the Judge"), this);
    group->setLayout(form);

    connect(m_pSmtpSecurity, &QComboBox::currentIndexChanged, this, &CMailboxSettingsDlg::OnSmtpSecurityChanged);
    connect(m_pSameAccount, &QCheckBox::toggled, this, [this](bool same) {
        m_pSmtpUser->setEnabled(!same);
        m_pSmtpPassword->setEnabled(!same);
    });
    return group;
}

void CMailboxSettingsDlg::SetOutgoing(const COutgoingAccount& account, const QString& password,
                                      const std::string& learntJudge)
{
    m_pSmtpServer->setText(QString::fromStdString(account.m_strServer));
    m_lastSmtpSecurity = account.m_security;
    m_pSmtpSecurity->setCurrentIndex(SecurityIndex(account.m_security, kSmtpSecurities));
    m_pSmtpPort->setValue(account.m_nPort);
    m_pSameAccount->setChecked(account.m_bSameAsIncoming);
    m_pSmtpUser->setEnabled(!account.m_bSameAsIncoming);
    m_pSmtpPassword->setEnabled(!account.m_bSameAsIncoming);
    m_pSmtpUser->setText(QString::fromStdString(account.m_bSameAsIncoming ? std::string() : account.m_strUser));
    m_pSmtpPassword->setText(account.m_bSameAsIncoming ? QString() : password);
    m_pFrom->setText(QString::fromStdString(account.m_strFrom));
    m_pJudge->setText(QString::fromStdString(account.m_strJudgeAddress.empty() ? learntJudge
                                                                               : account.m_strJudgeAddress));
}

COutgoingAccount CMailboxSettingsDlg::Outgoing() const
{
    COutgoingAccount account;
    account.m_strServer = Trimmed(m_pSmtpServer);
    account.m_nPort = m_pSmtpPort->value();
    account.m_security = kSmtpSecurities[std::max(0, m_pSmtpSecurity->currentIndex())];
    account.m_bSameAsIncoming = m_pSameAccount->isChecked();
    account.m_strUser = account.m_bSameAsIncoming ? Trimmed(m_pUser) : Trimmed(m_pSmtpUser);
    account.m_strFrom = Trimmed(m_pFrom);
    account.m_strJudgeAddress = Trimmed(m_pJudge);
    return account;
}

QString CMailboxSettingsDlg::OutgoingPassword() const
{
    return m_pSameAccount->isChecked() ? QString() : m_pSmtpPassword->text();
}

bool CMailboxSettingsDlg::SendsMail() const
{
    return !m_pSmtpServer->text().trimmed().isEmpty() || !m_pFrom->text().trimmed().isEmpty();
}

void CMailboxSettingsDlg::OnSmtpSecurityChanged()
{
    const MailSecurity security = kSmtpSecurities[std::max(0, m_pSmtpSecurity->currentIndex())];
    if (m_pSmtpPort->value() == COutgoingAccount::DefaultPort(m_lastSmtpSecurity))
        m_pSmtpPort->setValue(COutgoingAccount::DefaultPort(security));
    m_lastSmtpSecurity = security;
}

void CMailboxSettingsDlg::OnSecurityChanged()
{
    // A port left at the old mode's usual number follows the new mode.
    const MailSecurity security = kSecurities[std::max(0, m_pSecurity->currentIndex())];
    if (m_pPort->value() == CMailAccount::DefaultPort(m_lastSecurity))
        m_pPort->setValue(CMailAccount::DefaultPort(security));
    m_lastSecurity = security;
}

CMailAccount CMailboxSettingsDlg::Account() const
{
    CMailAccount account;
    account.m_strServer = m_pServer->text().trimmed().toStdString();
    account.m_nPort = m_pPort->value();
    account.m_security = kSecurities[std::max(0, m_pSecurity->currentIndex())];
    account.m_strUser = m_pUser->text().trimmed().toStdString();
    account.m_strFolder = m_pFolder->text().trimmed().toStdString();
    const QString filter = m_pFilter->text().trimmed();
    // Empty stands for the default, which follows the game's Judge and name.
    account.m_strFilter = filter.toStdString();
    return account;
}

QString CMailboxSettingsDlg::Password() const
{
    return m_pPassword->text();
}

void CMailboxSettingsDlg::accept()
{
    // A mistake is shown in the dialog, so nothing typed is lost.
    // A game may fetch only, or send only: an incoming server left blank is
    // no mistake when the orders go out through an account of their own.
    const bool sendOnly = SendsMail() && !m_pSameAccount->isChecked() && m_pServer->text().trimmed().isEmpty();
    std::string problem = sendOnly ? std::string() : Account().Problem();
    if (problem.empty())
        problem = m_pWatch->Problem();
    // Sending is set up apart: a game may only fetch.
    if (problem.empty() && SendsMail())
        problem = Outgoing().Problem();
    if (!problem.empty()) {
        m_pProblem->setText(QString::fromStdString(problem));
        m_pProblem->show();
        return;
    }
    QDialog::accept();
}
