#include "cli/CommandSupport.h"

#include "model/FileBytes.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>

namespace fs = std::filesystem;

void Complain(const CCliEnvironment& env, const std::string& text)
{
    env.err << "kestrane-cli: " << text << '\n';
}

std::optional<std::string> CountryNamed(const CKestraneDoc& doc, const std::string& name)
{
    auto upper = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        return s;
    };
    for (const CCountry& country : doc.m_countries)
        if (upper(country.m_strName) == upper(name))
            return country.m_strName;
    return std::nullopt;
}

bool TakeCountryOption(CKestraneDoc& doc, const CCliArgs& args, const CCliEnvironment& env)
{
    if (!args.Has("--country"))
        return true;
    const auto country = CountryNamed(doc, args.Value("--country"));
    if (!country) {
        Complain(env, "no country " + args.Value("--country") + " in this game");
        return false;
    }
    doc.m_strMyCountry = *country;
    return true;
}

bool TakeSignOnOptions(CKestraneDoc& doc, const CCliArgs& args, const CCliEnvironment& env)
{
    if (!TakeCountryOption(doc, args, env))
        return false;
    if (args.Has("--password"))
        doc.m_strPassword = args.Value("--password");
    return true;
}

bool TakeSecurityOption(const CCliArgs& args, const CCliEnvironment& env, std::optional<MailSecurity>& security)
{
    security.reset();
    for (const MailSecurity mode : {MailSecurity::ImplicitTls, MailSecurity::StartTls, MailSecurity::Plain}) {
        if (!args.Has("--" + std::string(SecurityName(mode))))
            continue;
        if (security) {
            Complain(env, "give only one of --tls, --starttls and --plain");
            return false;
        }
        security = mode;
    }
    return true;
}

std::optional<std::string> ReadWholeFile(const fs::path& path)
{
    return ReadFileBytes(path).bytes;
}

std::string ReadAll(std::istream& in)
{
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

CGameSession::CGameSession(const CCliEnvironment& env, const std::string& installDir)
    : m_services(env.out, env.err, installDir), m_doc(m_services)
{
    m_services.SetOrdersStateFiles(env.ordersStateFile);
}

bool CGameSession::Open(const std::string& path)
{
    if (!m_doc.OnOpenDocument(path))
        return false;
    m_doc.SetModifiedFlag(false);
    m_doc.SetPathName(path);
    m_doc.SetTitle(fs::path(path).filename().string());
    m_doc.UpdateSeasonTitle();
    return !m_services.CloseRequested();
}

bool CGameSession::Select(const std::string& name)
{
    for (auto it = m_doc.m_seasons.begin(); it != m_doc.m_seasons.end(); ++it) {
        if ((*it)->m_strSeason == name) {
            m_doc.m_posCurrent = it;
            m_doc.UpdateSeasonTitle();
            return true;
        }
    }
    return false;
}

std::string InstallDirOf(const CCliArgs& args, const CCliEnvironment& env)
{
    if (args.installDir)
        return Absolute(*args.installDir);
    return env.defaultInstallDir ? env.defaultInstallDir() : std::string(".");
}

bool OpenForReading(CGameSession& session, const CCliArgs& args, const CCliEnvironment& env)
{
    const std::string path = Absolute(args.positional[0]);
    if (!session.Open(path))
        return false;
    if (args.positional.size() > 1 && !session.Select(args.positional[1])) {
        Complain(env, "no season " + args.positional[1] + " in " + args.positional[0]);
        return false;
    }
    return true;
}

