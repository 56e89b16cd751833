#pragma once

#include "CliRunner.h"
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

/// kestrane-cli against a real Dovecot holding the real kestrel game among
/// the rest of a player's mail. Each round (StartRound) has a server, a new
/// game and a configuration folder of its own.
class CliMailboxTest : public testing::Test {
protected:
    /// Skips without Dovecot or the shared Judge games.
    void SetUp() override;

    /// A new server (IDLE offered or not), a new game made by "new" and a
    /// fresh configuration; false after a failed check.
    bool StartRound(CDovecotServer::Security security, bool offerIdle = true);

    /// kestrane-cli with the installation folder, run in the round's folder
    /// with its configuration.
    CCliRun Cli(std::vector<std::string> args) const;
    /// The same, started and left running.
    std::unique_ptr<CCliProcess> Start(std::vector<std::string> args) const;
    /// The options that name the server, its port and user, over plain IMAP.
    std::vector<std::string> ServerOptions() const;

    /// Delivers the game's mails from..to-1, each followed by one of the
    /// player's other mails while they last.
    void DeliverGame(size_t from, size_t to);

    std::string Game() const { return (Round() / "kestrel.kes").string(); }
    /// The phase due as "due" prints it, up to the deadline in UTC.
    std::string Due() const;
    /// Compares every filed season with the Judge's own state (the oracle).
    void ExpectGameAsTheJudgeRecordedIt() const;

    std::filesystem::path Round() const { return m_dir.Path() / ("round" + std::to_string(m_round)); }

    CTempDir m_dir;
    std::unique_ptr<CDovecotServer> m_server;
    std::vector<judgemailbox::CJudgeMail> m_game;
    std::vector<judgemailbox::CJudgeMail> m_other;
    size_t m_nextOther = 0;
    int m_round = 0;
};
