#include "model/InstallPath.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace {

std::vector<std::string> SplitComponents(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The path below one folder, matched as ResolveInstallPath describes.
std::optional<std::filesystem::path> ResolveBelow(const std::string& installDir, const std::string& relativePath)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool absolute = !relativePath.empty() && relativePath.front() == '/';
    fs::path current = absolute ? fs::path("/") : fs::path(installDir.empty() ? "." : installDir);
    const auto parts = SplitComponents(relativePath);
    if (parts.empty())
        return std::nullopt;
    for (const std::string& part : parts) {
        if (part == "." || part == "..") {
            current /= part;
            continue;
        }
        fs::path exact = current / part;
        if (fs::exists(exact, ec)) {
            current = exact;
            continue;
        }
        std::optional<fs::path> match;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            if (EqualNoCase(it->path().filename().string(), part)) {
                match = it->path();
                break;
            }
        }
        if (!match)
            return std::nullopt;
        current = *match;
    }
    return current;
}

} // namespace

std::filesystem::path UserDataDir()
{
    // The XDG base directory rules: a relative value is to be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "kestrane";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::filesystem::path(home) / ".local" / "share" / "kestrane";
    return {};
}

std::optional<std::filesystem::path> ResolveInstallPath(const std::string& installDir,
                                                        const std::string& relativePath)
{
    if (auto found = ResolveBelow(installDir, relativePath))
        return found;
    const bool absolute = !relativePath.empty() && relativePath.front() == '/';
    const std::filesystem::path user = UserDataDir();
    if (absolute || user.empty())
        return std::nullopt;
    return ResolveBelow(user.string(), relativePath);
}

std::filesystem::path InstallPathOrJoin(const std::string& installDir, const std::string& relativePath)
{
    if (auto resolved = ResolveInstallPath(installDir, relativePath))
        return *resolved;
    std::string slashed = relativePath;
    for (char& c : slashed)
        if (c == '\\')
            c = '/';
    return std::filesystem::path(installDir) / slashed;
}
