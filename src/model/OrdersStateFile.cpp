#include "model/OrdersStateFile.h"

#include "model/FileBytes.h"
#include "model/KestraneDoc.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolder = "Kestrane-orders";
// A state is a few hundred lines at most; a file far larger is not one.
constexpr size_t kMaxBytes = size_t(1) << 20;

fs::path FullPath(const std::string& path)
{
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(path, ec), ec);
    if (ec)
        full = fs::absolute(path, ec).lexically_normal();
    return full;
}

// FNV-1a: stable across runs, builds and machines, unlike std::hash.
uint64_t Hash(const std::string& text)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// The game file's name without its extension, in letters any file system takes.
std::string SafeStem(const fs::path& game)
{
    std::string stem = game.stem().string().substr(0, 40);
    for (char& c : stem)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            c = '_';
    return stem.empty() ? "game" : stem;
}

// A free name beside file for a damaged copy.
fs::path AsideName(const std::string& file)
{
    std::error_code ec;
    fs::path aside = file + ".damaged";
    for (int n = 2; fs::exists(aside, ec) && n < 1000; ++n)
        aside = file + ".damaged-" + std::to_string(n);
    return aside;
}

} // namespace

std::string OrdersStateFile(const std::string& settingsFile, const std::string& gamePath)
{
    const fs::path game = FullPath(gamePath);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Hash(game.string())));
    return (fs::path(settingsFile).parent_path() / kFolder / (SafeStem(game) + "-" + hash + ".txt")).string();
}

CGameOrdersState LoadOrdersState(const std::string& file, std::string& message)
{
    message.clear();
    const FileReadResult read = ReadFileBytes(file);
    if (!read.bytes && read.error == FileReadError::NotFound)
        return {};
    std::string problem = "it could not be read";
    if (read.bytes && read.bytes->size() > kMaxBytes)
        problem = "it is far too large";
    else if (read.bytes)
        if (auto state = ReadOrdersState(*read.bytes, problem))
            return *state;

    const fs::path aside = AsideName(file);
    std::error_code ec;
    fs::rename(file, aside, ec);
    message = "The drafted orders kept for this game in " + file + " are damaged (" + problem + "). ";
    message += ec ? "The file could not be moved aside and will be replaced."
                  : "The file was kept as " + aside.string() + "; the game starts without drafted orders.";
    return {};
}

CGameOrdersState LoadCurrentOrdersState(const std::string& file, const CKestraneDoc& doc,
                                        const std::string& gamePath, std::string& message)
{
    CGameOrdersState state = LoadOrdersState(file, message);
    if (!state.IsCurrentFor(doc))
        state.MoveOnTo(doc.m_seasons.empty() ? std::string() : doc.m_seasons.back()->m_strSeason);
    state.game = gamePath;
    return state;
}

bool SaveOrdersState(const std::string& file, const CGameOrdersState& state, std::string& message)
{
    std::error_code ec;
    const fs::path target(file);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    if (WriteFileReplacing(target, WriteOrdersState(state)))
        return true;
    message = "The drafted orders for this game could not be written to " + file + ".";
    return false;
}
