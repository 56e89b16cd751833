#include "app/MailboxSettingsDlg.h"

#include "app/WatchSettingsBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The security choices in the order the box lists them.
constexpr MailSecurity kSecurities[] = {MailSecurity::ImplicitTls, MailSecurity::StartTls, MailSecurity::Plain};

int SecurityIndex(MailSecurity security)
{
    for (int i = 0; i < 3; ++i)
        if (kSecurities[i] == security)
            return i;
    return 0;
}

} // namespace

CMailboxSettingsDlg::CMailboxSettingsDlg(const CMailAccount& account, const std::string& defaultFilter,
                                         const QString& password, QWidget* parent)
    : QDialog(parent), m_strDefaultFilter(defaultFilter), m_lastSecurity(account.m_security),
      m_pServer(new QLineEdit(this)), m_pPort(new QSpinBox(this)), m_pSecurity(new QComboBox(this)),
      m_pUser(new QLineEdit(this)), m_pPassword(new QLineEdit(this)), m_pFolder(new QLineEdit(this)),
      m_pFilter(new QLineEdit(this)), m_pWatch(new CWatchSettingsBox(this)), m_pProblem(new QLabel(this))
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

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pWatch);
    layout->addWidget(m_pProblem);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CMailboxSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaultButton, &QPushButton::clicked, m_pFilter, &QLineEdit::clear);
    connect(m_pSecurity, &QComboBox::currentIndexChanged, this, &CMailboxSettingsDlg::OnSecurityChanged);
    // Tab follows the rows as shown, not the order the fields were made in.
    const QWidget* const chain[] = {m_pServer, m_pSecurity, m_pPort,   m_pUser,
                                    m_pPassword, m_pFolder, m_pFilter, defaultButton};
    for (size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
    m_pServer->setFocus();
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
    std::string problem = Account().Problem();
    if (problem.empty())
        problem = m_pWatch->Problem();
    if (!problem.empty()) {
        m_pProblem->setText(QString::fromStdString(problem));
        m_pProblem->show();
        return;
    }
    QDialog::accept();
}
