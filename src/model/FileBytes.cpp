#include "model/FileBytes.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KESTRANE_HAVE_FSYNC 1
#endif

namespace fs = std::filesystem;

namespace {

// Closes the file on every path out of the function that opened it.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

fs::path TempNameBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(rd());
    name += '-';
    name += std::to_string(counter++);
    name += ".tmp";
    return target.parent_path() / name;
}

// A new file beside target under a name nobody else holds: "x" in the mode
// makes the open fail when the name exists, so a racing writer is never
// overwritten; a taken name is simply drawn again.
FilePtr CreateBeside(const fs::path& target, fs::path& created)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = TempNameBeside(target);
        errno = 0;
        if (std::FILE* raw = std::fopen(candidate.string().c_str(), "wbx")) {
            created = candidate;
            return FilePtr(raw);
        }
        // Any reason but a taken name makes every further attempt fail too.
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// Writes, flushes and closes; false on any error (the file is then incomplete).
bool WriteAndSync(FilePtr file, std::string_view bytes)
{
    std::FILE* raw = file.get();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), raw) != bytes.size())
        return false;
    if (std::fflush(raw) != 0)
        return false;
#ifdef KESTRANE_HAVE_FSYNC
    // The rename below must never make a file visible whose bytes are still
    // only in memory.
    if (::fsync(::fileno(raw)) != 0)
        return false;
#endif
    return std::fclose(file.release()) == 0;
}

} // namespace

FileReadResult ReadFileBytes(const fs::path& path)
{
    FileReadResult result;
    errno = 0;
    std::FILE* raw = std::fopen(path.string().c_str(), "rb");
    if (!raw) {
        result.error = errno == ENOENT || errno == ENOTDIR ? FileReadError::NotFound
                       : errno == EACCES || errno == EPERM ? FileReadError::AccessDenied
                                                           : FileReadError::ReadFailed;
        return result;
    }
    FilePtr file(raw);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const size_t got = std::fread(buffer, 1, sizeof buffer, raw);
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    // A folder opens on some systems but fails on the first read.
    if (std::ferror(raw)) {
        result.error = FileReadError::ReadFailed;
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

bool WriteFileBytes(const fs::path& path, std::string_view bytes)
{
    FilePtr file(std::fopen(path.string().c_str(), "wb"));
    if (!file)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    return std::fclose(file.release()) == 0;
}

bool WriteFileReplacing(const fs::path& path, std::string_view bytes)
{
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (ec)
            return false;
        target = resolved;
    }
    if (target.filename().empty())
        return false;
    fs::path temp;
    FilePtr file = CreateBeside(target, temp);
    if (!file)
        return false;
    if (!WriteAndSync(std::move(file), bytes)) {
        fs::remove(temp, ec);
        return false;
    }
    // Keep the permissions the old file had (the new file got the defaults).
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}
