#include "mailaccess/MailAccount.h"

#include "mailaccess/ImapText.h"
#include "model/Settings.h"

#include <cstdio>

int CMailAccount::DefaultPort(MailSecurity security)
{
    return security == MailSecurity::ImplicitTls ? 993 : 143;
}

std::string CMailAccount::KeyringKey() const
{
    return "imap:" + m_strUser + "@" + m_strServer;
}

std::string CMailAccount::Problem() const
{
    if (m_strServer.empty())
        return "No mail server is set: enter it in Edit, Mailbox Settings.";
    if (!IsSafeImapText(m_strServer) || m_strServer.find_first_of(" /@") != std::string::npos)
        return "The mail server name \"" + m_strServer + "\" is not a host name.";
    if (m_nPort < 1 || m_nPort > 65535)
        return "The port " + std::to_string(m_nPort) + " is not a port number (1 to 65535).";
    if (m_strUser.empty())
        return "No user name is set for the mail server " + m_strServer + ".";
    if (!IsSafeImapText(m_strUser))
        return "The user name holds a line break or a control character.";
    if (m_strFolder.empty() || !IsSafeImapText(m_strFolder))
        return "The folder name is empty or holds a line break or a control character.";
    if (!IsSafeImapText(m_strFilter))
        return "The filter holds a line break or a control character.";
    return {};
}

std::string MailboxSection(const std::string& gamePath)
{
    std::string section = "Mailbox ";
    for (const unsigned char c : gamePath) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                           c == '-' || c == '_';
        if (plain) {
            section += char(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            section += hex;
        }
    }
    return section;
}

const char* SecurityName(MailSecurity security)
{
    switch (security) {
    case MailSecurity::ImplicitTls:
        return "tls";
    case MailSecurity::StartTls:
        return "starttls";
    case MailSecurity::Plain:
        return "plain";
    }
    return "tls";
}

namespace {

MailSecurity SecurityFromName(const std::string& name)
{
    if (name == "starttls")
        return MailSecurity::StartTls;
    if (name == "plain")
        return MailSecurity::Plain;
    return MailSecurity::ImplicitTls;
}

} // namespace

CMailAccount CMailAccount::Load(const ISettingsStore& store, const std::string& gamePath)
{
    const std::string section = MailboxSection(gamePath);
    CMailAccount account;
    account.m_strServer = store.GetProfileString(section, "Server", "");
    // An unknown security name falls back to implicit TLS: never to plain.
    account.m_security = SecurityFromName(store.GetProfileString(section, "Security", "tls"));
    account.m_nPort = store.GetProfileInt(section, "Port", DefaultPort(account.m_security));
    account.m_strUser = store.GetProfileString(section, "User", "");
    account.m_strFolder = store.GetProfileString(section, "Folder", "INBOX");
    account.m_strFilter = store.GetProfileString(section, "Filter", "");
    return account;
}

void CMailAccount::Save(ISettingsStore& store, const std::string& gamePath) const
{
    const std::string section = MailboxSection(gamePath);
    store.WriteProfileString(section, "Server", m_strServer);
    store.WriteProfileInt(section, "Port", m_nPort);
    store.WriteProfileString(section, "Security", SecurityName(m_security));
    store.WriteProfileString(section, "User", m_strUser);
    store.WriteProfileString(section, "Folder", m_strFolder);
    store.WriteProfileString(section, "Filter", m_strFilter);
}

std::string DefaultMailFilter(const std::string& judge, const std::string& game)
{
    if (judge.empty() || game.empty() || !IsSafeImapText(judge) || !IsSafeImapText(game))
        return "BODY " + QuoteImapString(":: Judge:");
    return "SUBJECT " + QuoteImapString(judge + ":" + game) + " BODY " + QuoteImapString("Judge: " + judge);
}
