#include "judge/ClipboardFile.h"

#include <cstdlib>
#include <string>

namespace {

// An unset or empty variable counts as absent; a relative one too, since a
// cache folder that moves with the current folder is no cache folder.
std::filesystem::path AbsoluteFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

} // namespace

std::filesystem::path ClipboardImportPath()
{
    const char* kFileName = "Kestrane.tmp";
    if (auto cache = AbsoluteFromEnvironment("XDG_CACHE_HOME"); !cache.empty())
        return cache / "kestrane" / kFileName;
    if (auto home = AbsoluteFromEnvironment("HOME"); !home.empty())
        return home / ".cache" / "kestrane" / kFileName;
    return kFileName;
}
