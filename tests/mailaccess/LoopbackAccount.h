#pragma once

#include "mailaccess/MailAccount.h"
#include "support/DovecotServer.h"

/// The account of the test server's user over plain IMAP on loopback, with
/// the filter of the kestrel game's Judge mail.
inline CMailAccount LoopbackAccount(const CDovecotServer& server)
{
    CMailAccount account;
    account.m_strServer = "127.0.0.1";
    account.m_nPort = server.Port();
    account.m_security = MailSecurity::Plain;
    account.m_strUser = CDovecotServer::kUser;
    account.m_strFilter = DefaultMailFilter("XXXX", "kestrel");
    return account;
}
