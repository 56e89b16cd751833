#pragma once

#include "support/NonCopyable.h"

#include <csignal>
#include <sys/resource.h>

/// Limits the size of any file this process writes for the life of the
/// object, with SIGXFSZ ignored, so a write past the limit fails with EFBIG
/// as on a full disk; works for the superuser too. Both are restored after.
class CFileSizeLimit : private CNonCopyable {
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_bSaved = ::getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_bApplied = m_bSaved && ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~CFileSizeLimit()
    {
        if (m_bSaved)
            ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

    bool Applied() const { return m_bApplied; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_bSaved = false;
    bool m_bApplied = false;
};
