#include "judge/FileReplace.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A new file beside target whose name nobody else holds: "x" in the mode
// makes the open fail when the name exists, so a racing writer is never
// overwritten.
FilePtr CreateBeside(const std::filesystem::path& target, std::filesystem::path& created)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path candidate = target;
        candidate += ".join-" + std::to_string(random() % 1000000000u) + ".tmp";
        if (std::FILE* file = std::fopen(candidate.string().c_str(), "wbx")) {
            created = candidate;
            return FilePtr(file);
        }
        std::error_code ec;
        // Any reason but a taken name makes every further attempt fail too.
        if (!std::filesystem::exists(candidate, ec))
            return nullptr;
    }
    return nullptr;
}

} // namespace

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code ec;
    std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec)
        target = path;

    std::filesystem::path temp;
    FilePtr file = CreateBeside(target, temp);
    if (!file)
        return false;

    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    ok = std::fflush(file.get()) == 0 && ok;
    ok = std::fclose(file.release()) == 0 && ok;
    if (ok) {
        const auto status = std::filesystem::status(target, ec);
        if (!ec)
            std::filesystem::permissions(temp, status.permissions(), ec);
        ok = !ec;
    }
    if (ok) {
        std::filesystem::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok)
        std::filesystem::remove(temp, ec);
    return ok;
}
