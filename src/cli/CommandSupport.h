#pragma once

#include "cli/CliArgs.h"
#include "cli/CliServices.h"
#include "cli/Commands.h"
#include "mailaccess/MailAccount.h"
#include "model/KestraneDoc.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

/// Reasons of the command line itself (not messages of the game), so they
/// carry the program's name rather than the message-box prefix.
void Complain(const CCliEnvironment& env, const std::string& text);

/// The whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
/// Everything left on the stream.
std::string ReadAll(std::istream& in);

/// The path made absolute. The core may make the installation folder
/// current, so every path the user gave is made absolute before the first
/// document operation.
std::string Absolute(const std::string& path);

/// One game document with the services that print its messages.
class CGameSession {
public:
    CGameSession(const CCliEnvironment& env, const std::string& installDir);

    CCliServices& Services() { return m_services; }
    CKestraneDoc& Doc() { return m_doc; }

    /// Opens the game as the desktop program does: the document file with the
    /// picture reload, then the title of the season on show.
    bool Open(const std::string& path);
    /// Saves the game; the core replaces the file only once the new one is
    /// complete, so a failed write leaves the old game as it was.
    bool Save(const std::string& path) { return m_doc.OnSaveDocument(path); }
    /// Makes the named season the one on show; false when there is none.
    bool Select(const std::string& name);

private:
    CCliServices m_services;
    CKestraneDoc m_doc;
};

/// The country named on the command line, matched without regard to case so
/// that "england" finds ENGLAND: the stored spelling, or nullopt for none.
std::optional<std::string> CountryNamed(const CKestraneDoc& doc, const std::string& name);

/// Takes --country NAME, when given, as the player's country of doc; false
/// after telling the user when the game has no such country.
bool TakeCountryOption(CKestraneDoc& doc, const CCliArgs& args, const CCliEnvironment& env);

/// TakeCountryOption, then --password PW, when given, as the game's password:
/// what the orders mail signs on with.
bool TakeSignOnOptions(CKestraneDoc& doc, const CCliArgs& args, const CCliEnvironment& env);

/// The one of --tls, --starttls and --plain given (nullopt for none); false
/// after telling the user when more than one is given.
bool TakeSecurityOption(const CCliArgs& args, const CCliEnvironment& env, std::optional<MailSecurity>& security);

/// --install-dir, else the environment's default.
std::string InstallDirOf(const CCliArgs& args, const CCliEnvironment& env);

/// Opens the game of the first operand and shows the season the second
/// operand names (or the latest one); false after telling why not.
bool OpenForReading(CGameSession& session, const CCliArgs& args, const CCliEnvironment& env);

/// The commands, each given checked arguments; they return the exit status.
int CommandNew(const CCliArgs& args, const CCliEnvironment& env);
int CommandImport(const CCliArgs& args, const CCliEnvironment& env);
int CommandSeasons(const CCliArgs& args, const CCliEnvironment& env);
int CommandShow(const CCliArgs& args, const CCliEnvironment& env);
int CommandRender(const CCliArgs& args, const CCliEnvironment& env);
int CommandAnimate(const CCliArgs& args, const CCliEnvironment& env);
int CommandMail(const CCliArgs& args, const CCliEnvironment& env);
int CommandHistory(const CCliArgs& args, const CCliEnvironment& env);
