#pragma once

#include "mailaccess/MailAccount.h"

#include <cstdint>
#include <map>
#include <string>

/// How far a game has read a mail folder: the folder's UIDVALIDITY and the
/// highest UID imported. A different UIDVALIDITY means the server numbered
/// the folder afresh, and reading starts over.
struct CFetchMark {
    uint32_t uidValidity = 0;
    uint32_t lastUid = 0;
    friend bool operator==(const CFetchMark&, const CFetchMark&) = default;
};

/// The marks of every game, in a small file of their own beside the settings
/// (never in the game file, whose format stays as it is). Each line holds
/// UIDVALIDITY, last UID and the key, the key with '%' and line breaks
/// escaped.
class CFetchMarks {
public:
    /// The key of a game read from an account's folder: the game path and
    /// the user, server, port and folder, so another folder starts over.
    static std::string Key(const std::string& gamePath, const CMailAccount& account);

    /// Reads the file; a missing file is no marks. False with a reason when
    /// it exists but cannot be read.
    bool Load(const std::string& file, std::string& error);
    /// Writes the file whole through a temporary file renamed over it, so a
    /// failed write leaves the old marks.
    bool Save(const std::string& file, std::string& error) const;

    /// The mark for key; zeros when none is stored.
    CFetchMark Get(const std::string& key) const;
    void Set(const std::string& key, const CFetchMark& mark) { m_marks[key] = mark; }

private:
    std::map<std::string, CFetchMark> m_marks;
};
