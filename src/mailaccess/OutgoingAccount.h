#pragma once

#include "mailaccess/MailAccount.h"

#include <string>
#include <string_view>

class ISettingsStore;

/// The SMTP server a game's orders mail is sent through, the player's
/// address and the Judge's. Everything but the password, which lives in
/// the desktop keyring.
struct COutgoingAccount {
    std::string m_strServer;
    int m_nPort = 587;
    MailSecurity m_security = MailSecurity::StartTls;
    /// The login; empty for a server that takes mail without one.
    std::string m_strUser;
    /// The password is the incoming mailbox's (same user on the same
    /// provider): one keyring entry for both.
    bool m_bSameAsIncoming = false;
    /// The player's address, the From of the orders mail.
    std::string m_strFrom;
    /// The Judge's address for this game, the To of the orders mail.
    std::string m_strJudgeAddress;

    /// The submission port for the given security: 465 for implicit TLS,
    /// else 587.
    static int DefaultPort(MailSecurity security);

    /// Where the password is kept in the keyring: the incoming account's
    /// entry when m_bSameAsIncoming, else one per user and SMTP server.
    std::string KeyringKey(const CMailAccount& incoming) const;

    /// The empty string when mail can be sent with this account, else what
    /// is missing or wrong, as one sentence for the user.
    std::string Problem() const;

    /// The account stored for a game file; missing entries take their defaults.
    static COutgoingAccount Load(const ISettingsStore& store, const std::string& gamePath);
    /// Stores the account for a game file (never a password), in the game's
    /// mailbox section beside the incoming account.
    void Save(ISettingsStore& store, const std::string& gamePath) const;

    friend bool operator==(const COutgoingAccount&, const COutgoingAccount&) = default;
};

/// True for a plain address such as "player@example.org": a local part and a
/// domain around one '@', nothing that could end a header or an SMTP command
/// (no spaces, control characters, brackets, commas or quotes).
bool IsMailAddress(std::string_view address);
