#pragma once

#include <string>

class ISettingsStore;

/// How the connection to the mail server is protected.
enum class MailSecurity {
    ImplicitTls, ///< TLS from the first byte (imaps, port 993)
    StartTls,    ///< plain connection upgraded with STARTTLS before login (port 143)
    Plain        ///< no encryption at all; only for a server on this computer
};

/// The IMAP mailbox a game's results are fetched from. Everything but the
/// password, which lives in the desktop keyring.
struct CMailAccount {
    std::string m_strServer;
    int m_nPort = 993;
    MailSecurity m_security = MailSecurity::ImplicitTls;
    std::string m_strUser;
    std::string m_strFolder = "INBOX";
    /// IMAP search keys that select this game's mails.
    std::string m_strFilter;

    /// The port a server normally listens on for the given security.
    static int DefaultPort(MailSecurity security);

    /// Where the password is kept in the keyring: one entry per user and
    /// server, shared by every game read from the same mailbox.
    std::string KeyringKey() const;

    /// The empty string when the account can be used, else what is missing
    /// or wrong, as one sentence for the user.
    std::string Problem() const;

    /// The account stored for a game file; nullopt-like empty server when none
    /// was stored. Missing entries take their defaults.
    static CMailAccount Load(const ISettingsStore& store, const std::string& gamePath);
    /// Stores the account for a game file (never a password).
    void Save(ISettingsStore& store, const std::string& gamePath) const;

    friend bool operator==(const CMailAccount&, const CMailAccount&) = default;
};

/// The settings section of a game file's mailbox: "Mailbox " followed by the
/// path with every character outside letters, digits, '.', '-' and '_'
/// written as %XX, so no path can reach into another section.
std::string MailboxSection(const std::string& gamePath);

/// The search that selects the Judge's mails for one game: the subject
/// names the Judge and the game ("XXXX:kestrel") and the body carries the
/// Judge's header line. Without a known Judge and game (a new game), every
/// mail with a Judge header line; the import then keeps the right game.
std::string DefaultMailFilter(const std::string& judge, const std::string& game);

/// The text of a security mode as stored and as the command line names it:
/// "tls", "starttls", "plain".
const char* SecurityName(MailSecurity security);
