#include "mailaccess/OutgoingAccount.h"

#include "mailaccess/ImapText.h"
#include "model/Settings.h"

int COutgoingAccount::DefaultPort(MailSecurity security)
{
    return security == MailSecurity::ImplicitTls ? 465 : 587;
}

std::string COutgoingAccount::KeyringKey(const CMailAccount& incoming) const
{
    return m_bSameAsIncoming ? incoming.KeyringKey() : "smtp:" + m_strUser + "@" + m_strServer;
}

bool IsMailAddress(std::string_view address)
{
    const size_t at = address.rfind('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == address.size() || address.size() > 254)
        return false;
    for (const unsigned char c : address)
        if (c <= ' ' || c == 0x7f || std::string_view("<>()[],;:\"\\").find(char(c)) != std::string_view::npos)
            return false;
    return address.find('@') == at;
}

std::string COutgoingAccount::Problem() const
{
    if (m_strServer.empty())
        return "No outgoing mail server is set: enter it in Edit, Mailbox Settings.";
    if (!IsSafeImapText(m_strServer) || m_strServer.find_first_of(" /@") != std::string::npos)
        return "The outgoing mail server name \"" + m_strServer + "\" is not a host name.";
    if (m_nPort < 1 || m_nPort > 65535)
        return "The port " + std::to_string(m_nPort) + " is not a port number (1 to 65535).";
    if (!IsSafeImapText(m_strUser))
        return "The user name holds a line break or a control character.";
    if (m_strFrom.empty())
        return "No From address is set: enter your own address in Edit, Mailbox Settings.";
    if (!IsMailAddress(m_strFrom))
        return "The From address \"" + m_strFrom + "\" is not a mail address such as player@example.org.";
    if (m_strJudgeAddress.empty())
        return "The Judge's address for this game is not known: enter it in Edit, Mailbox Settings.";
    if (!IsMailAddress(m_strJudgeAddress))
        return "The Judge's address \"" + m_strJudgeAddress + "\" is not a mail address such as judge@example.org.";
    return {};
}

namespace {

MailSecurity SecurityFromStored(const std::string& name)
{
    // An unknown name falls back to STARTTLS, the submission default: never to plain.
    if (name == "tls")
        return MailSecurity::ImplicitTls;
    if (name == "plain")
        return MailSecurity::Plain;
    return MailSecurity::StartTls;
}

} // namespace

COutgoingAccount COutgoingAccount::Load(const ISettingsStore& store, const std::string& gamePath)
{
    const std::string section = MailboxSection(gamePath);
    COutgoingAccount account;
    account.m_strServer = store.GetProfileString(section, "SmtpServer", "");
    account.m_security = SecurityFromStored(store.GetProfileString(section, "SmtpSecurity", "starttls"));
    account.m_nPort = store.GetProfileInt(section, "SmtpPort", DefaultPort(account.m_security));
    account.m_strUser = store.GetProfileString(section, "SmtpUser", "");
    account.m_bSameAsIncoming = store.GetProfileInt(section, "SmtpSameAsIncoming", 0) != 0;
    account.m_strFrom = store.GetProfileString(section, "From", "");
    account.m_strJudgeAddress = store.GetProfileString(section, "JudgeAddress", "");
    return account;
}

void COutgoingAccount::Save(ISettingsStore& store, const std::string& gamePath) const
{
    const std::string section = MailboxSection(gamePath);
    store.WriteProfileString(section, "SmtpServer", m_strServer);
    store.WriteProfileInt(section, "SmtpPort", m_nPort);
    store.WriteProfileString(section, "SmtpSecurity", SecurityName(m_security));
    store.WriteProfileString(section, "SmtpUser", m_strUser);
    store.WriteProfileInt(section, "SmtpSameAsIncoming", m_bSameAsIncoming ? 1 : 0);
    store.WriteProfileString(section, "From", m_strFrom);
    store.WriteProfileString(section, "JudgeAddress", m_strJudgeAddress);
}
