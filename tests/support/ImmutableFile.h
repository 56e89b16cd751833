#pragma once

#include "support/NonCopyable.h"

#include <filesystem>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

/// Makes a file or folder immutable for the life of the object (the file
/// system's immutable attribute), so that even the superuser cannot write it,
/// rename over it or create files in it. Applied() is false where the file
/// system or the rights do not allow it.
class CImmutable : private CNonCopyable {
public:
    explicit CImmutable(const std::filesystem::path& path) : m_path(path) { m_bApplied = Change(true); }
    ~CImmutable()
    {
        if (m_bApplied)
            Change(false);
    }

    bool Applied() const { return m_bApplied; }

private:
    bool Change(bool on) const
    {
        const int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    std::filesystem::path m_path;
    bool m_bApplied = false;
};
